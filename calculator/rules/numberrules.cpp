// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberrules.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

namespace torrentix {
namespace {

// Blanks, tabs and line feeds do not count anywhere in a typed number ("1 2" is 12).
template <class Char> constexpr bool isIgnored(Char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every character that can stand in a number of any kind: digits and hexadecimal digits
// (among them the exponent letters), the point, the signs, "&H" and "&O". All are ASCII.
template <class Char> constexpr bool mayBeInNumber(Char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == '.' ||
           c == '+' || c == '-' || c == '&' || c == 'H' || c == 'h' || c == 'O' || c == 'o';
}

// The start of a text as the rules see it: the ignored characters taken out, up to the first
// character that can be no part of a number (a NUL or any non-ASCII one among them). Short
// texts stay on the stack; a pasted one gets a buffer of its own.
class Stripped {
public:
    template <class Char> explicit Stripped(std::basic_string_view<Char> text) {
        char* out = small_;
        if (text.size() > sizeof small_) {
            large_ = std::make_unique_for_overwrite<char[]>(text.size());
            out = large_.get();
        }
        const char* const first = out;
        for (const Char c : text) {
            if (isIgnored(c))
                continue;
            if (!mayBeInNumber(c))
                break;
            *out++ = static_cast<char>(c);
        }
        text_ = std::string_view(first, static_cast<std::size_t>(out - first));
    }
    Stripped(const Stripped&) = delete;
    Stripped& operator=(const Stripped&) = delete;

    std::string_view text() const { return text_; }

private:
    char small_[64];
    std::unique_ptr<char[]> large_;
    std::string_view text_;
};

#if defined(__cpp_lib_to_chars)
std::from_chars_result readDouble(std::string_view text, double& value,
                                  std::chars_format format = std::chars_format::general) {
    return std::from_chars(text.data(), text.data() + text.size(), value, format);
}
#else
// Where the standard library cannot yet read a double with from_chars (WebAssembly's, today),
// strtod does it: correctly rounded like from_chars, and it knows no locale there. It is given
// exactly what from_chars would read, since strtod reads more ("0x1p3", "inf", blanks), and its
// out of range is from_chars's: beyond the largest double, or a number that is not zero read
// as zero. A hexadecimal number that overflows gives infinity without saying so.
std::from_chars_result readDouble(std::string_view text, double& value,
                                  std::chars_format format = std::chars_format::general) {
    const bool hex = format == std::chars_format::hex;
    const auto digitsFrom = [&](std::size_t at) {
        while (at < text.size() &&
               (hex ? std::isxdigit(static_cast<unsigned char>(text[at])) != 0 : isDigit(text[at])))
            ++at;
        return at;
    };
    std::size_t end = digitsFrom(0);
    std::size_t digits = end;
    if (!hex) {
        if (end < text.size() && text[end] == '.') {
            const std::size_t fraction = digitsFrom(end + 1);
            digits += fraction - end - 1;
            end = fraction;
        }
        if (digits > 0 && end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
            std::size_t exponent = end + 1;
            if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
                ++exponent;
            const std::size_t written = digitsFrom(exponent);
            if (written > exponent)
                end = written;
        }
    }
    if (digits == 0)
        return {text.data(), std::errc::invalid_argument};
    const std::string number = (hex ? "0x" : "") + std::string(text.substr(0, end));
    errno = 0;
    const double read = std::strtod(number.c_str(), nullptr);
    const char* const last = text.data() + end;
    if (std::isinf(read) || (errno == ERANGE && read == 0))
        return {last, std::errc::result_out_of_range};
    value = read;
    return {last, std::errc{}};
}
#endif

// The digits after "&H" or "&O": an unsigned integer of any length, rounded to the nearest
// double (ties to even) by from_chars in its hexadecimal form. There is no sign bit:
// "&HFFFF" is 65535, as a user would expect.
double readRadixInteger(std::string_view text, int radix) {
    const std::string_view digits =
        text.substr(0, text.find_first_not_of(radix == 16 ? "0123456789abcdefABCDEF" : "01234567"));
    if (digits.empty())
        return 0.0;
    std::string regrouped;
    std::string_view hex = digits;
    if (radix == 8) {
        // Four octal digits are twelve bits, three hexadecimal ones. Counted as if zeros in
        // front made whole groups.
        const std::size_t pad = (4 - digits.size() % 4) % 4;
        int bits = 0;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            bits = bits * 8 + (digits[i] - '0');
            if ((i + pad) % 4 == 3) {
                for (int shift = 8; shift >= 0; shift -= 4)
                    regrouped += "0123456789abcdef"[(bits >> shift) & 0xF];
                bits = 0;
            }
        }
        hex = regrouped;
    }
    double value = 0.0;
    const auto [end, ec] = readDouble(hex, value, std::chars_format::hex);
    if (ec == std::errc::result_out_of_range)
        throw NumberOutOfRange();
    return value;
}

// Whether a decimal number that from_chars finds out of range is tiny rather than huge: its
// first significant digit, moved by the exponent, stands below the units.
bool isTiny(std::string_view number) {
    const std::size_t e = number.find_first_of("Ee");
    std::int64_t exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view written = number.substr(e + 1);
        const bool negative = written.front() == '-';
        if (written.front() == '+' || negative)
            written.remove_prefix(1);
        // Held well inside 64 bits, so that moving it by the digits cannot wrap: that far out
        // the exponent alone decides.
        constexpr std::int64_t beyond = std::int64_t{1} << 62;
        const auto parsed =
            std::from_chars(written.data(), written.data() + written.size(), exponent);
        exponent = parsed.ec == std::errc{} ? std::min(exponent, beyond) : beyond;
        if (negative)
            exponent = -exponent;
    }
    // The power of ten of the first significant digit. A number out of range is not zero, so
    // when the whole part is all zeros, a significant digit follows the point.
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::size_t first = whole.find_first_not_of('0');
    const std::int64_t power =
        first != std::string_view::npos
            ? static_cast<std::int64_t>(whole.size() - first) - 1
            : -static_cast<std::int64_t>(mantissa.find_first_not_of('0', point + 1) - point);
    return power + exponent < 0;
}

// [+-]digits[.digits][(E|e)[+-]digits], the longest such prefix, which is what from_chars
// reads once the sign is off: it stops where the number ends, and leaves out an exponent
// without digits.
double readDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // A second sign is no number; from_chars would take a minus.
    if (text.empty() || !(isDigit(text.front()) || text.front() == '.'))
        return 0.0;
    double value = 0.0;
    const auto [end, ec] = readDouble(text, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small reads as zero, like any tiny number; too large is refused.
        if (!isTiny(text.substr(0, static_cast<std::size_t>(end - text.data()))))
            throw NumberOutOfRange();
        value = 0.0;
    } else if (ec != std::errc{}) {
        return 0.0; // a point without digits
    }
    return negative ? -value : value;
}

template <class Char> double textToNumber(std::basic_string_view<Char> typed) {
    const Stripped stripped(typed);
    const std::string_view text = stripped.text();
    if (!text.starts_with('&'))
        return readDecimal(text);
    const char kind = text.size() > 1 ? text[1] : '\0';
    if (kind == 'H' || kind == 'h')
        return readRadixInteger(text.substr(2), 16);
    if (kind == 'O' || kind == 'o')
        return readRadixInteger(text.substr(2), 8);
    return 0.0;
}

} // namespace

double TextToNumber(std::string_view text) {
    return textToNumber(text);
}

double TextToNumber(std::u16string_view text) {
    return textToNumber(text);
}

std::string NumberToText(double x) {
    if (x == 0.0)
        return "0"; // negative zero too
    // printf's "%.15G": fifteen significant digits, positional form for decimal exponents
    // -4..14, trailing zeros dropped, two exponent digits at least.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 15).ptr;
    std::replace(text, end, 'e', 'E');
    return std::string(text, end);
}

double PowerKilowatts(double q, double h, double n, double m) {
    constexpr double g = 9.81;
    static_assert(std::bit_cast<std::uint64_t>(g) == 0x40239EB851EB851FULL);
    constexpr std::int16_t hundred = 100;

    const auto checked = [](double product) {
        if (!std::isfinite(product))
            throw NumberOutOfRange();
        return product;
    };
    const double t1 = checked(q * g);
    const double t2 = checked(t1 * h);
    const double t3 = n / static_cast<double>(hundred);
    const double t4 = checked(t2 * t3);
    const double t5 = m / static_cast<double>(hundred);
    return checked(t4 * t5);
}

double KilowattsToMegawatts(double kilowatts) {
    constexpr std::int16_t thousand = 1000;
    return kilowatts / static_cast<double>(thousand);
}

} // namespace torrentix
