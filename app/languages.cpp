// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace torrentix {

namespace {

const QString folder = QStringLiteral(":/i18n");
const QString prefix = QStringLiteral("torrentix_");

// Tries the language with its region, then without: de_AT finds de and pt_BR stays pt_BR.
// Failing that, the same language in the same script made for another region: pt_PT finds
// pt_BR, while zh_TW finds nothing rather than the simplified characters of zh_CN.
bool load(QTranslator& translator, const QLocale& locale) {
    if (translator.load(locale, QStringLiteral("torrentix"), QStringLiteral("_"), folder))
        return true;
    const QStringList files = QDir(folder).entryList({prefix + QStringLiteral("*.qm")});
    for (const QString& file : files) {
        const QLocale other(file.mid(prefix.size()).chopped(3));
        if (other.language() == locale.language() && other.script() == locale.script())
            return translator.load(file, folder);
    }
    return false;
}

} // namespace

Translations::Translations(const QStringList& languages) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        if (!load(ours_, locale))
            continue;
        QCoreApplication::installTranslator(&ours_);
        // Without Qt's translations installed, Qt's own texts stay English. The system has
        // them; a page has only what the program brings.
        const QString qt = QStringLiteral("qtbase_") + ours_.language();
        if (qt_.load(qt, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
            qt_.load(qt, folder))
            QCoreApplication::installTranslator(&qt_);
        return;
    }
}

} // namespace torrentix
