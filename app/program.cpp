// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "announcement.h"
#include "design.h"
#include "frm_about.h"
#include "frm_diagram.h"
#include "frm_hydropower.h"
#include "frm_hydropowerformula.h"
#include "guard.h"
#include "identity.h"

#include <QApplication>
#include <QIcon>

namespace torrentix {

Program::Program()
    : slots_{WindowInstance([this] { return make(WindowKind::Hydropower); }),
             WindowInstance([this] { return make(WindowKind::HydroPowerFormula); }),
             WindowInstance([this] { return make(WindowKind::Diagram); }),
             WindowInstance([this] { return make(WindowKind::About); })} {}

std::unique_ptr<QWidget> Program::make(WindowKind kind) {
    // A step that fails stops its procedure there and goes to the last resort.
    const auto show = [this](WindowKind shown) {
        return Guarded([this, shown] { Instance(shown).Show(); });
    };
    // Main page: the calculator comes first, so that a window stays loaded and the program goes on.
    const auto withMainPage = [this, kind](auto window) {
        QObject::connect(window.get(), &decltype(window)::element_type::mainPageClicked,
                         window.get(), Guarded([this, kind] {
                             Instance(WindowKind::Hydropower).Show();
                             Instance(kind).Unload();
                         }));
        return std::unique_ptr<QWidget>(std::move(window));
    };
    switch (kind) {
    case WindowKind::Hydropower: {
        auto window = std::make_unique<Frm_Hydropower>();
        Frm_Hydropower* const calculator = window.get();
        QObject::connect(calculator, &Frm_Hydropower::formulaClicked, calculator,
                         show(WindowKind::HydroPowerFormula));
        QObject::connect(calculator, &Frm_Hydropower::diagramClicked, calculator,
                         show(WindowKind::Diagram));
        QObject::connect(calculator, &Frm_Hydropower::aboutClicked, calculator,
                         show(WindowKind::About));
        return window;
    }
    case WindowKind::HydroPowerFormula:
        return withMainPage(std::make_unique<Frm_HydroPowerFormula>());
    case WindowKind::Diagram:
        return withMainPage(std::make_unique<Frm_Diagram>());
    case WindowKind::About:
        return std::make_unique<frm_About>();
    }
    throw std::logic_error("no window class for this kind");
}

void SetUpApplication(QApplication& app) {
    InstallFontStandIns();
    InstallAccessibleNotifications();
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(ApplicationVersion));
    QApplication::setDesktopFileName(QStringLiteral("torrentix"));
    // Every window carries the program icon; none has one of its own.
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/torrentix.ico")));
}

} // namespace torrentix
