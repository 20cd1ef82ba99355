// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop palettes the windows must stay readable under, as the platform themes hand them to
// Qt: two dark ones (a qt6ct scheme and GTK's dark Adwaita) and a high-contrast one (white on
// black). An empty name is the palette the tests started with.
#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QStringList>

namespace torrentix::testing {

inline QPalette desktopPalette(const QString& name) {
    // Each: the colour roles in QPalette's order from WindowText to PlaceholderText, for the
    // active and inactive groups, then for the disabled group. Qt 6.6 added Accent after them;
    // left unset, it follows Highlight.
    struct Scheme {
        const char* name;
        const char* normal;
        const char* disabled;
    };
    static const Scheme schemes[] = {
        {"darker",
         "#ffffff #424245 #979797 #5e5c5b #302f2e #4a4947 #ffffff #ffffff #ffffff #3d3d3d #222020 "
         "#e7e4e0 #12608a #f9f9f9 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #ffffff",
         "#808080 #424245 #979797 #5e5c5b #302f2e #4a4947 #808080 #ffffff #808080 #3d3d3d #222020 "
         "#e7e4e0 #12608a #808080 #0986d3 #a70b06 #5c5b5a #ffffff #3f3f36 #ffffff #ffffff"},
        {"adwaita dark",
         "#f0f0f0 #323232 #4b4b4b #2a2a2a #212121 #262626 #f0f0f0 #4b4b4b #f0f0f0 #242424 #323232 "
         "#191919 #308cc6 #f0f0f0 #308cc6 #ff00ff #2b2b2b #000000 #ffffdc #000000 #f0f0f0",
         "#828282 #323232 #4b4b4b #2a2a2a #bebebe #262626 #828282 #4b4b4b #828282 #323232 #323232 "
         "#252525 #919191 #f0f0f0 #308cc6 #ff00ff #2b2b2b #000000 #ffffdc #000000 #f0f0f0"},
        {"high contrast",
         "#ffffff #000000 #ffffff #ffffff #000000 #ffffff #ffffff #ffffff #ffffff #000000 #000000 "
         "#000000 #ffff00 #000000 #00ffff #ff00ff #000000 #000000 #000000 #ffffff #c0c0c0",
         "#00ff00 #000000 #ffffff #ffffff #000000 #ffffff #00ff00 #ffffff #00ff00 #000000 #000000 "
         "#000000 #ffff00 #000000 #00ffff #ff00ff #000000 #000000 #000000 #ffffff #c0c0c0"},
    };
    QPalette palette = QApplication::palette();
    for (const Scheme& scheme : schemes) {
        if (name != QLatin1String(scheme.name))
            continue;
        const QStringList normal = QString::fromLatin1(scheme.normal).split(QLatin1Char(' '));
        const QStringList disabled = QString::fromLatin1(scheme.disabled).split(QLatin1Char(' '));
        for (int role = 0; role < normal.size(); ++role) {
            const auto r = QPalette::ColorRole(role);
            palette.setColor(QPalette::Active, r, QColor::fromString(normal[role]));
            palette.setColor(QPalette::Inactive, r, QColor::fromString(normal[role]));
            palette.setColor(QPalette::Disabled, r, QColor::fromString(disabled[role]));
        }
    }
    return palette;
}

inline QStringList desktopPaletteNames() {
    return {QStringLiteral("darker"), QStringLiteral("adwaita dark"),
            QStringLiteral("high contrast")};
}

// Puts a desktop palette in force for as long as it lives, the way a platform theme does
// (every window and control is told), and puts the one before back afterwards.
class DesktopPalette {
public:
    explicit DesktopPalette(const QString& name)
        : before_(QApplication::palette()), set_(!name.isEmpty()) {
        if (set_)
            change(desktopPalette(name));
    }
    ~DesktopPalette() {
        if (set_)
            change(before_);
    }
    DesktopPalette(const DesktopPalette&) = delete;
    DesktopPalette& operator=(const DesktopPalette&) = delete;

private:
    // Qt tells the windows of a new palette through posted events: deliver them now.
    static void change(const QPalette& palette) {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }

    QPalette before_;
    bool set_;
};

} // namespace torrentix::testing
