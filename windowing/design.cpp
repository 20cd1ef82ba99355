// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include "guard.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace torrentix {
namespace {
void applyFont(QWidget& widget) {
    const QVariant size = widget.property("pointSizeF");
    if (!size.isValid())
        return;
    QFont font = widget.font();
    font.setPointSizeF(size.toDouble());
#ifdef Q_OS_WIN
    // Windows keeps MS Sans Serif as a bitmap face, which Qt draws only in its few pixel sizes
    // and never bold; its outline cut has the same design and widths.
    if (font.family() == QLatin1String("MS Sans Serif"))
        font.setFamily(QStringLiteral("Microsoft Sans Serif"));
#endif
    widget.setFont(font);
}

constexpr double readable = 4.5;

double luminance(const QColor& colour) {
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// The designed text colour in the same hue, lighter on a dark background and darker on a light
// one, just as far as it takes to be read.
QColor readableVariant(const QColor& text, const QColor& background) {
    // Below this luminance white stands out more than black.
    const double middle = std::sqrt(1.05 * 0.05) - 0.05;
    const bool lighten = luminance(background) < middle;
    float hue = 0, saturation = 0, lightness = 0, alpha = 1;
    text.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    if (hue < 0) { // achromatic
        hue = 0;
        saturation = 0;
    }
    QColor variant = text;
    for (int step = 0; step <= 100 && ContrastRatio(variant, background) < readable; ++step) {
        const float l = lighten ? lightness + (1 - lightness) * float(step) / 100
                                : lightness * float(100 - step) / 100;
        variant = QColor::fromHslF(hue, saturation, l, alpha).toRgb();
    }
    return variant;
}

// The design gives some labels a fixed background or a fixed text colour and leaves the rest
// of their colours to the desktop. Under a dark palette such a pair can stop being readable:
// the desktop's light text on a designed light background, or a designed dark text on the
// desktop's dark background. Where that happens the text, never the background, gives way: on
// a designed background the text stays dark, as the design always showed it; a designed text
// colour on the desktop's background becomes a readable variant of itself. Where the designed
// colours read, they are left exactly as designed. The window follows palette changes.
class ReadableColours : public QObject {
public:
    explicit ReadableColours(QWidget& window) : QObject(&window), window_(window) {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const QPalette& designed = widget->palette();
            if (designed.isBrushSet(QPalette::Active, QPalette::Window) ||
                designed.isBrushSet(QPalette::Active, QPalette::WindowText))
                labels_.push_back({widget, designed, designed});
        }
        apply();
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window's palette has just changed (a new desktop palette, or one set on it); its
        // labels inherit theirs from it.
        if (watched == &window_ && event->type() == QEvent::PaletteChange)
            Guarded([this] { apply(); })();
        return false;
    }

private:
    struct Designed {
        QPointer<QWidget> widget;
        QPalette palette; // only the designed roles are set in it
        QPalette applied;
    };

    void apply() {
        for (Designed& label : labels_) {
            if (label.widget.isNull() || label.widget->parentWidget() == nullptr)
                continue;
            const QPalette& around = label.widget->parentWidget()->palette();
            QPalette wanted = label.palette;
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                const bool fixedBackground = wanted.isBrushSet(group, QPalette::Window);
                const QColor background =
                    (fixedBackground ? wanted : around).color(group, QPalette::Window);
                const QColor text =
                    (wanted.isBrushSet(group, QPalette::WindowText) ? wanted : around)
                        .color(group, QPalette::WindowText);
                if (ContrastRatio(text, background) >= readable)
                    continue;
                QColor readableText(Qt::black);
                if (!fixedBackground || ContrastRatio(readableText, background) < readable)
                    readableText = readableVariant(text, background);
                wanted.setColor(group, QPalette::WindowText, readableText);
            }
            if (wanted == label.applied && wanted.resolveMask() == label.applied.resolveMask())
                continue;
            label.widget->setPalette(wanted);
            label.applied = wanted;
        }
    }

    QWidget& window_;
    std::vector<Designed> labels_;
};
} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void InstallFontStandIns() {
    for (const char* sans : {"MS Sans Serif", "Microsoft Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(sans), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

void ApplyDesign(QWidget& window) {
    applyFont(window);
    for (QWidget* child : window.findChildren<QWidget*>())
        applyFont(*child);
    new ReadableColours(window);
}

} // namespace torrentix
