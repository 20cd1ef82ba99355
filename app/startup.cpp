#include "startup.h"

#include "frm_about.h"
#include "frm_diagram.h"
#include "frm_hydropower.h"
#include "frm_hydropowerformula.h"
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
    factories[static_cast<std::size_t>(WindowKind::HydroPowerFormula)] =
        make<Frm_HydroPowerFormula>();
    factories[static_cast<std::size_t>(WindowKind::Diagram)] = make<Frm_Diagram>();
    factories[static_cast<std::size_t>(WindowKind::About)] = make<frm_About>();
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
