// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a press of Solve does, from the four typed texts to what the window shows: the input
// checks in their fixed order, then the power. Plain C++, so that every case can be tested
// without a window; the calculator only reads its boxes and acts out the outcome.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace torrentix {

// One thing the window does for a failed check. The three message boxes come first, in this
// order: the window finds their texts by number.
enum class Reaction {
    ZeroMessage,       // message box "You can't enter Zero"
    NegativeMessage,   // message box "You can't enter Negative Values"
    EfficiencyMessage, // message box "Efficiency can't exceed 100%"
    MistakeText,       // "OOOps..A Mistake !" in the mistake label
    HideResults,       // hide the six result labels
};

struct SolveOutcome {
    std::vector<Reaction> reactions;
    // A typed number or a product lies beyond the double range: the press stops after the
    // reactions above and writes no result.
    bool tooLarge = false;
    // The power in kW and in MW as the labels show them, with the caller's decimal separator.
    std::u16string kilowatts;
    std::u16string megawatts;
};

// The texts of the boxes Q, H, n and m, in that order.
using SolveInputs = std::array<std::u16string_view, 4>;

// `separator` is the user's decimal separator: results are written with it, and a typed one
// reads as a point, so that a result typed back reads as shown.
SolveOutcome Solve(const SolveInputs& texts, std::u16string_view separator);

} // namespace torrentix
