#include "startup.h"

#include "frm_hydropower.h"
#include "identity.h"

#include <QApplication>
#include <QIcon>

namespace torrentix {
namespace {
template <class Window> Shell::Factory make() {
    return [] { return std::unique_ptr<QWidget>(new Window); };
}
} // namespace

std::array<Shell::Factory, WindowKindCount> WindowFactories() {
    std::array<Shell::Factory, WindowKindCount> factories;
    factories[static_cast<std::size_t>(WindowKind::Hydropower)] = make<Frm_Hydropower>();
    return factories;
}

void SetIdentity(QApplication& app) {
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(ApplicationVersion));
    QApplication::setDesktopFileName(QStringLiteral("torrentix"));
    // Every window carries the program icon; none has one of its own.
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/torrentix.ico")));
}

} // namespace torrentix
