// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_about.h"

#include "ui_frm_about.h"

namespace torrentix {

// Close: only this window goes; the calculator is left as it is.
frm_About::frm_About(WindowInstance& self) {
    OnClick(ui->Command1, [&self] { self.Unload(); });
}

frm_About::~frm_About() = default;

} // namespace torrentix
