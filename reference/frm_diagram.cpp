// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_diagram.h"

#include "ui_frm_diagram.h"

namespace torrentix {

Frm_Diagram::Frm_Diagram(WindowInstance& self, WindowInstance& calculator)
    : MainPageLink(self, calculator) {}

Frm_Diagram::~Frm_Diagram() = default;

} // namespace torrentix
