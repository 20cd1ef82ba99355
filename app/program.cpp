// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "frm_about.h"
#include "frm_diagram.h"
#include "frm_hydropower.h"
#include "frm_hydropowerformula.h"
#include "identity.h"

#include <QApplication>
#include <QIcon>

namespace torrentix {

WindowInstance& Program::Instance(WindowKind kind) {
    WindowInstance*& slot = slots_[kind];
    if (slot == nullptr)
        slot = &shell_.NewInstance([this, kind] { return make(kind); });
    return *slot;
}

std::unique_ptr<QWidget> Program::make(WindowKind kind) {
    WindowInstance& self = Instance(kind);
    switch (kind) {
    case WindowKind::Hydropower:
        return std::make_unique<Frm_Hydropower>(
            Frm_Hydropower::Windows{self, Instance(WindowKind::HydroPowerFormula),
                                    Instance(WindowKind::Diagram), Instance(WindowKind::About)});
    case WindowKind::HydroPowerFormula:
        return std::make_unique<Frm_HydroPowerFormula>(self, Instance(WindowKind::Hydropower));
    case WindowKind::Diagram:
        return std::make_unique<Frm_Diagram>(self, Instance(WindowKind::Hydropower));
    case WindowKind::About:
        return std::make_unique<frm_About>(self);
    }
    throw std::logic_error("no window class for this kind");
}

void SetIdentity(QApplication& app) {
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(ApplicationVersion));
    QApplication::setDesktopFileName(QStringLiteral("torrentix"));
    // Every window carries the program icon; none has one of its own.
    app.setWindowIcon(QIcon(QStringLiteral(":/assets/torrentix.ico")));
}

} // namespace torrentix
