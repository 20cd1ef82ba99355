// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The diagram page: a side view of a hydroelectric scheme with the heights the formula uses.
#pragma once

#include "form.h"

namespace Ui {
class Frm_Diagram;
}

namespace torrentix {

class Frm_Diagram : public Form<Ui::Frm_Diagram> {
    Q_OBJECT
public:
    Frm_Diagram();
    ~Frm_Diagram() override;

signals:
    void mainPageClicked(); // the program shows the calculator, then unloads this window
};

} // namespace torrentix
