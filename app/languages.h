// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: the program's own translations, built into it, and Qt's, where Qt
// keeps them, so that OK and Copy read like the rest.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace torrentix {

// While one exists, the program and Qt's own controls speak the first of the given languages
// that the program has a translation for (as on every desktop: LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG). English is the language of the design and needs nothing loaded: an English entry
// ahead of any translated one keeps the program English, as does a list with none of ours.
class Translations {
public:
    explicit Translations(const QStringList& languages = QLocale::system().uiLanguages());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language installed, such as "de" or "pt_BR"; empty while the program speaks English.
    QString language() const { return ours_.language(); }

private:
    // Removed from the application when they go.
    QTranslator ours_;
    QTranslator qt_;
};

} // namespace torrentix
