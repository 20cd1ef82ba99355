// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_about.h"

#include "ui_frm_about.h"

namespace torrentix {

frm_About::frm_About() {
    // Close: only this window goes; the calculator is left as it is.
    OnClick(ui->Command1, [this] { close(); });
}

frm_About::~frm_About() = default;

} // namespace torrentix
