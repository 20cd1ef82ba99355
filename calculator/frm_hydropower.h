// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: four inputs, Solve and Reset, and the way to the other windows.
#pragma once

#include "announcement.h"
#include "form.h"

#include <array>
#include <cstddef>
#include <memory>

class QLabel;

namespace Ui {
class Frm_Hydropower;
}

namespace torrentix {

struct SolveOutcome;

class Frm_Hydropower : public Form<Ui::Frm_Hydropower> {
    Q_OBJECT
public:
    Frm_Hydropower();
    ~Frm_Hydropower() override;

signals:
    // The reference windows are the program's to open, behind its guard: it holds one of each.
    void formulaClicked();
    void diagramClicked();
    void aboutClicked();

private:
    void Command1_Click(); // Solve
    void Command2_Click(); // Reset
    void Command5_Click(); // Exit

    // Does what the press found, from reaction `next` on. A message box stops it until the user
    // has closed the box, and the window shows meanwhile what the reactions before it did.
    void ActOut(std::shared_ptr<const SolveOutcome> outcome, std::size_t next);
    // The six labels a refused input hides and Reset shows again, in that order.
    std::array<QLabel*, 6> resultLabels() const;
    void HideResults();
    // Tells a screen reader what the press left on the window: the mistake text, or the
    // power with its units.
    void AnnounceOutcome();

    Announcement* announcement_; // owned by the window
};

} // namespace torrentix
