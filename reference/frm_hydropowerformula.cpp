// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_hydropowerformula.h"

#include "ui_frm_hydropowerformula.h"

namespace torrentix {

Frm_HydroPowerFormula::Frm_HydroPowerFormula() {
    OnClick(ui->Command1, [this] { emit mainPageClicked(); });
}

Frm_HydroPowerFormula::~Frm_HydroPowerFormula() = default;

} // namespace torrentix
