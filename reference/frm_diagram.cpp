// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_diagram.h"

#include "ui_frm_diagram.h"

namespace torrentix {

Frm_Diagram::Frm_Diagram() {
    OnClick(ui->Command1, [this] { emit mainPageClicked(); });
}

Frm_Diagram::~Frm_Diagram() = default;

} // namespace torrentix
