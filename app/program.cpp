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
    // A navigation step that fails stops its procedure there and goes to the last resort.
    const auto show = [this](WindowKind shown) {
        return Guarded([this, shown] { Instance(shown).Show(); });
    };
    // The calculator comes up first, so that a window stays loaded and the program goes on.
    const auto mainPage = [this](WindowKind page) {
        return Guarded([this, page] {
            Instance(WindowKind::Hydropower).Show();
            Instance(page).Unload();
        });
    };
    switch (kind) {
    case WindowKind::Hydropower: {
        auto window = std::make_unique<Frm_Hydropower>();
        QObject::connect(window.get(), &Frm_Hydropower::formulaClicked, window.get(),
                         show(WindowKind::HydroPowerFormula));
        QObject::connect(window.get(), &Frm_Hydropower::diagramClicked, window.get(),
                         show(WindowKind::Diagram));
        QObject::connect(window.get(), &Frm_Hydropower::aboutClicked, window.get(),
                         show(WindowKind::About));
        return window;
    }
    case WindowKind::HydroPowerFormula: {
        auto window = std::make_unique<Frm_HydroPowerFormula>();
        QObject::connect(window.get(), &Frm_HydroPowerFormula::mainPageClicked, window.get(),
                         mainPage(kind));
        return window;
    }
    case WindowKind::Diagram: {
        auto window = std::make_unique<Frm_Diagram>();
        QObject::connect(window.get(), &Frm_Diagram::mainPageClicked, window.get(), mainPage(kind));
        return window;
    }
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
