// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the maker's picture, the product name and the rights notice.
#pragma once

#include "form.h"

namespace Ui {
class frm_About;
}

namespace torrentix {

class frm_About : public Form<Ui::frm_About> {
    Q_OBJECT
public:
    frm_About();
    ~frm_About() override;
};

} // namespace torrentix
