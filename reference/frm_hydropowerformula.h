// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The formula page: what the calculator computes and the units of its quantities.
#pragma once

#include "mainpage.h"

namespace Ui {
class Frm_HydroPowerFormula;
}

namespace torrentix {

class Frm_HydroPowerFormula : public MainPageLink<Ui::Frm_HydroPowerFormula> {
    Q_OBJECT
public:
    Frm_HydroPowerFormula(WindowInstance& self, WindowInstance& calculator);
    ~Frm_HydroPowerFormula() override;
};

} // namespace torrentix
