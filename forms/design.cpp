#include "design.h"

#include <QFont>
#include <QVariant>
#include <QWidget>

namespace torrentix {
namespace {
void installFontStandIns() {
    // Metric stand-ins for the designed faces, so every caption fits its box as designed.
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    static_cast<void>(installed);
}

void applySize(QWidget& widget) {
    const QVariant size = widget.property("pointSizeF");
    if (!size.isValid())
        return;
    QFont font = widget.font();
    font.setPointSizeF(size.toDouble());
    widget.setFont(font);
}
} // namespace

void ApplyDesign(QWidget& window) {
    installFontStandIns();
    applySize(window);
    for (QWidget* child : window.findChildren<QWidget*>())
        applySize(*child);
}

} // namespace torrentix
