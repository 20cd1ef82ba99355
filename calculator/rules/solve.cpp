// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve.h"

#include "numberrules.h"

#include <cstddef>

namespace torrentix {
namespace {
double numberIn(std::u16string_view text, std::u16string_view separator) {
    // Built anew rather than replaced in place: MinGW's GCC warns falsely on replace().
    std::u16string pointed;
    pointed.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (!separator.empty() && text.substr(at, separator.size()) == separator) {
            pointed += u'.';
            at += separator.size();
        } else {
            pointed += text[at++];
        }
    }
    return TextToNumber(pointed);
}

std::u16string shown(double x, std::u16string_view separator) {
    std::u16string text;
    for (const char c : NumberToText(x)) {
        if (c == '.')
            text += separator;
        else
            text += static_cast<char16_t>(c);
    }
    return text;
}
} // namespace

SolveOutcome Solve(const SolveInputs& texts, std::u16string_view separator) {
    SolveOutcome outcome;
    auto react = [&outcome](Reaction reaction, bool hide) {
        outcome.reactions.push_back(reaction);
        if (hide)
            outcome.reactions.push_back(Reaction::HideResults);
    };
    constexpr std::size_t n = 2, m = 3;

    try {
        // No check ends the press: a failed one reacts and the next runs.
        // The zero checks compare the text itself, not its number: only a lone "0" gets the
        // message. "0.0", "00", " 0" or "" read as 0 and get the mistake text further down.
        for (const std::u16string_view text : texts) {
            if (text == u"0")
                react(Reaction::ZeroMessage, true);
        }
        // The numbers are read in box order within the first check that needs them, so a
        // number too large to read stops the press after the boxes before it were checked.
        std::array<double, 4> x{};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            x[i] = numberIn(texts[i], separator);
            if (x[i] < 0)
                react(Reaction::NegativeMessage, true);
        }
        for (const std::size_t i : {n, m}) {
            if (x[i] > 100)
                react(Reaction::EfficiencyMessage, true);
        }
        for (const double value : x) {
            if (value <= 0)
                react(Reaction::MistakeText, true);
        }
        // These only ever fail together with the efficiency message, which has already
        // hidden the results.
        for (const std::size_t i : {n, m}) {
            if (x[i] > 100)
                react(Reaction::MistakeText, false);
        }

        // The power is computed and written whatever the checks found; they only hide it.
        const double kilowatts = PowerKilowatts(x[0], x[1], x[2], x[3]);
        outcome.kilowatts = shown(kilowatts, separator);
        outcome.megawatts = shown(KilowattsToMegawatts(kilowatts), separator);
    } catch (const NumberOutOfRange&) {
        outcome.tooLarge = true;
    }
    return outcome;
}

} // namespace torrentix
