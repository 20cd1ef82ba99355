// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's number rules: reading a number from what the user typed, writing a
// result for a label, and the power formula. Plain C++ on purpose, so that the rules can be
// tested, fuzzed and benchmarked without a window.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace torrentix {

// A typed number or an intermediate product lies beyond the double range. Nothing is
// shown for such a value; the caller's last-resort handler tells the user.
class NumberOutOfRange : public std::range_error {
public:
    NumberOutOfRange() : std::range_error("number beyond the double range") {}
};

// Reads the number at the start of `text` (UTF-8 or any ASCII-compatible bytes):
// blanks, tabs and line feeds are ignored wherever they stand; "&H"/"&O" (any case) start
// a hexadecimal or octal integer; otherwise the longest prefix of the form
// [+-]digits[.digits][(E|e)[+-]digits] is read as the nearest double. Returns 0 when no
// number can be read. Throws NumberOutOfRange for a number beyond the double range.
double TextToNumber(std::string_view text);
// The same for UTF-16 text, as input boxes hold it.
double TextToNumber(std::u16string_view text);

// Writes `x` with the 15 significant digits nearest to its exact value (ties to even), in
// positional form for decimal exponents -4..14 and exponent form otherwise ("9.81E-07"),
// trailing zeros dropped; zero, negative or not, is "0". The decimal separator is always
// ".": a window that shows the user's puts it in place of that. `x` must be finite.
std::string NumberToText(double x);

// The power formula in its fixed order, one rounded double operation at a time:
// P = (((Q * 9.81) * H) * (n / 100)) * (m / 100), in kW. Throws NumberOutOfRange when a
// product leaves the double range.
double PowerKilowatts(double q, double h, double n, double m);

// P / 1000, one double division of the stored P.
double KilowattsToMegawatts(double kilowatts);

} // namespace torrentix
