// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The formula page: what the calculator computes and the units of its quantities.
#pragma once

#include "form.h"

namespace Ui {
class Frm_HydroPowerFormula;
}

namespace torrentix {

class Frm_HydroPowerFormula : public Form<Ui::Frm_HydroPowerFormula> {
    Q_OBJECT
public:
    Frm_HydroPowerFormula();
    ~Frm_HydroPowerFormula() override;

signals:
    void mainPageClicked(); // the program shows the calculator, then unloads this window
};

} // namespace torrentix
