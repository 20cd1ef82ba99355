// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// NumberToText on every finite double. The text follows the display grammar, agrees with
// printf's fifteen digits, is no longer than the longest form, keeps that grammar when a
// window puts a separator of the user's in place of the point, and reads back within half a
// unit of its fifteenth digit plus one unit in the last place of the double.
#include "fuzzcheck.h"
#include "numberreference.h"
#include "numberrules.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

using namespace torrentix;

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What the grammar check learns from a text.
struct Shape {
    int power = 0;  // power of ten of the first significant digit
    int digits = 0; // significant digits shown
};

// Checks `t` against the display grammar with separator `sep` and returns its shape:
//   "0" | ["-"] (positional | exponent form), where
//   positional = [1-9][0-9]{X} [sep [0-9]*[1-9]]            for 0 <= X <= 14
//              | "0" sep "0"{-X-1} [1-9] [[0-9]*[1-9]]       for -4 <= X <= -1
//   exponent   = [1-9] [sep [0-9]*[1-9]] "E" [+-] exponent digits (two, or three without a
//                leading zero), for X outside -4..14
// with at most fifteen significant digits.
Shape parse(std::string_view t, std::string_view sep, bool negative) {
    Shape shape;
    std::size_t i = 0;
    fuzz::Check(!t.empty(), "empty text");
    if (negative) {
        fuzz::Check(t[0] == '-', "negative number without '-'");
        ++i;
    }
    const auto at = [&](std::size_t k) { return k < t.size() ? t[k] : '\0'; };
    const auto takeSeparator = [&] {
        if (t.substr(i, sep.size()) != sep)
            return false;
        i += sep.size();
        return true;
    };
    // Digits after the separator: at least one, the last not zero.
    const auto fraction = [&](bool leadingZerosCount) {
        const std::size_t start = i;
        bool significant = !leadingZerosCount;
        while (isDigit(at(i))) {
            significant = significant || at(i) != '0';
            shape.digits += significant ? 1 : 0;
            ++i;
        }
        fuzz::Check(i > start, "separator without digits");
        fuzz::Check(t[i - 1] != '0', "trailing zero after the separator");
    };

    const std::size_t e = t.find('E');
    if (e == std::string_view::npos) {
        if (at(i) == '0') {
            ++i;
            fuzz::Check(takeSeparator(), "leading zero not followed by the separator");
            std::size_t zeros = 0;
            while (at(i + zeros) == '0')
                ++zeros;
            shape.power = -static_cast<int>(zeros) - 1;
            fraction(true);
        } else {
            fuzz::Check(isDigit(at(i)), "no digit where the number starts");
            while (isDigit(at(i))) {
                ++shape.digits;
                ++i;
            }
            shape.power = shape.digits - 1;
            if (takeSeparator())
                fraction(false);
        }
        fuzz::Check(shape.power >= -4 && shape.power <= 14, "positional form outside -4..14");
    } else {
        fuzz::Check(isDigit(at(i)) && at(i) != '0', "exponent form without a leading 1-9");
        ++i;
        shape.digits = 1;
        if (takeSeparator())
            fraction(false);
        fuzz::Check(i == e, "stray characters before 'E'");
        ++i;
        fuzz::Check(at(i) == '+' || at(i) == '-', "exponent without a sign");
        const bool negativePower = at(i) == '-';
        ++i;
        const std::size_t start = i;
        int power = 0;
        while (isDigit(at(i)))
            power = power * 10 + (t[i++] - '0');
        const std::size_t length = i - start;
        fuzz::Check(length == 2 || (length == 3 && t[start] != '0'),
                    "exponent not written with two digits, or three without a leading zero");
        shape.power = negativePower ? -power : power;
        fuzz::Check(shape.power < -4 || shape.power > 14, "exponent form inside -4..14");
    }
    fuzz::Check(i == t.size(), "stray characters at the end");
    fuzz::Check(shape.digits <= 15, "more than fifteen significant digits");
    return shape;
}

// NumberToText with `sep` in place of every point, as the window shows it.
std::string display(double x, std::string_view sep) {
    std::string text = NumberToText(x);
    // "-" + 15 digits + "." + "E-308" ("-0.000" + 15 digits is one shorter).
    fuzz::Check(text.size() <= 1 + 15 + 1 + 5, "longer than the longest form");
    for (std::size_t point = text.find('.'); point != std::string::npos;
         point = text.find('.', point + sep.size()))
        text.replace(point, 1, sep);
    return text;
}

// The spacing of doubles at |x|.
double ulp(double x) {
    if (std::fpclassify(x) == FP_SUBNORMAL)
        return std::numeric_limits<double>::denorm_min();
    return std::ldexp(1.0, std::ilogb(x) - 52);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double))
        return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return 0; // the formula never produces these: every step is checked

    const std::string text = display(x, ".");
    if (x == 0) {
        fuzz::Check(text == "0", "zero shown as " + text);
        return 0;
    }
    const Shape shape = parse(text, ".", std::signbit(x));
    fuzz::Check(text == reference::Display(x),
                "shows " + text + ", printf " + reference::Display(x) + " for " + fuzz::Exact(x));

    // A separator of the user's, here a two-byte one, changes nothing else.
    const std::string_view arabic = "\xd9\xab";
    std::string expected = text;
    if (const std::size_t point = expected.find('.'); point != std::string::npos)
        expected.replace(point, 1, arabic);
    const std::string withArabic = display(x, arabic);
    fuzz::Check(withArabic == expected, "separator: " + withArabic + " for " + text);
    parse(withArabic, arabic, std::signbit(x));

    double back = 0;
    try {
        back = TextToNumber(text);
    } catch (const NumberOutOfRange&) {
        // Only the top of the range shows a fifteen-digit number beyond the largest double.
        double ignored;
        fuzz::Check(!reference::Read(text, ignored), text + " shown but refused when read back");
        return 0;
    }
    const double halfUnit = 0.5 * std::pow(10.0, shape.power - 14);
    fuzz::Check(std::fabs(back - x) <= halfUnit + ulp(x),
                text + " reads back as " + fuzz::Exact(back) + ", not near " + fuzz::Exact(x));
    return 0;
}
