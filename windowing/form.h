// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every window class shares: its Designer form set up with the design applied, and
// buttons wired to event procedures behind the guard.
#pragma once

#include "design.h"
#include "guard.h"

#include <QAbstractButton>
#include <QWidget>

#include <memory>

namespace torrentix {

template <class Ui> class Form : public QWidget {
protected:
    Form() : ui(std::make_unique<Ui>()) {
        ui->setupUi(this);
        ApplyDesign(*this);
    }
    // Defined where the form's generated class is complete: the window's own destructor.
    ~Form() override = default;

    template <class Procedure> void OnClick(QAbstractButton* button, Procedure procedure) {
        connect(button, &QAbstractButton::clicked, this, Guarded(std::move(procedure)));
    }

    std::unique_ptr<Ui> ui;
};

} // namespace torrentix
