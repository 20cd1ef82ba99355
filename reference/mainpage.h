// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The formula and diagram pages share their one button, Main page.
#pragma once

#include "form.h"
#include "shell.h"

namespace torrentix {

template <class Ui> class MainPageLink : public Form<Ui> {
protected:
    // The calculator comes up first, so a window stays loaded and the program goes on.
    MainPageLink(WindowInstance& self, WindowInstance& calculator) {
        this->OnClick(this->ui->Command1, [&self, &calculator] {
            calculator.Show();
            self.Unload();
        });
    }
};

} // namespace torrentix
