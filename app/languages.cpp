// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace torrentix {

Translations::Translations(const QStringList& languages) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        // Tries the language with its region, then without: de_AT finds de, pt_BR stays
        // pt_BR, and zh_TW finds nothing rather than the simplified characters of zh_CN.
        if (!ours_.load(locale, QStringLiteral("torrentix"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(&ours_);
        // Without Qt's translations installed, Qt's own texts stay English.
        if (qt_.load(QStringLiteral("qtbase_") + ours_.language(),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        return;
    }
}

} // namespace torrentix
