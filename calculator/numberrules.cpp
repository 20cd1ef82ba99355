#include "numberrules.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace torrentix {
namespace {

// Blanks, tabs and line feeds do not count anywhere in a typed number ("1 2" is 12).
constexpr bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text as if every ignored character had been removed first.
struct Cursor {
    const char* p;
    const char* end;

    // The next character that counts, or '\0' at the end. A NUL in the text is never part
    // of a number, so it ends the reading just as the end of the text does.
    char peek() {
        while (p != end && isIgnored(*p))
            ++p;
        return p == end ? '\0' : *p;
    }
    void advance() { ++p; }
};

// Reads an unsigned "&H"/"&O" integer of any length, rounded to the nearest double (ties to
// even). There is no sign bit: "&HFFFF" is 65535, as a user would expect.
double readRadixInteger(Cursor cur, int bitsPerDigit) {
    const auto digitValue = [bitsPerDigit](char c) -> int {
        if (c >= '0' && c <= '7')
            return c - '0';
        if (bitsPerDigit == 3)
            return -1;
        if (c >= '8' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };

    std::uint64_t mantissa = 0;
    std::int64_t droppedBits = 0; // bits beyond the 64 kept in the mantissa
    bool sticky = false;          // any of the dropped bits set
    for (int d; (d = digitValue(cur.peek())) >= 0; cur.advance()) {
        if ((mantissa >> (64 - bitsPerDigit)) == 0) {
            mantissa = (mantissa << bitsPerDigit) | static_cast<std::uint64_t>(d);
        } else {
            droppedBits += bitsPerDigit;
            sticky = sticky || d != 0;
        }
    }
    if (mantissa == 0)
        return 0.0;

    const int length = 64 - std::countl_zero(mantissa);
    std::int64_t exponent = droppedBits;
    if (length > 53) {
        const int shift = length - 53;
        const std::uint64_t rest = mantissa & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        mantissa >>= shift;
        exponent += shift;
        if (rest > half || (rest == half && (sticky || (mantissa & 1) != 0)))
            ++mantissa;
    }
    if (exponent > std::numeric_limits<double>::max_exponent)
        throw NumberOutOfRange();
    const double value = std::ldexp(static_cast<double>(mantissa), static_cast<int>(exponent));
    if (std::isinf(value))
        throw NumberOutOfRange();
    return value;
}

// What the first pass learns about a decimal number in the text.
struct DecimalScan {
    const char* begin = nullptr; // first character of the unsigned number
    const char* end = nullptr;   // one past its last character
    bool gaps = false;           // ignored characters stand inside the number
    bool negative = false;
    bool anyDigit = false;
    // Power of ten of the first significant digit, before the exponent; only meaningful
    // when the number is not zero. Saturated, so megabyte inputs cannot overflow it.
    std::int64_t leadingPower = 0;
    std::int64_t exponent = 0; // saturated too
};

constexpr std::int64_t saturation = std::int64_t{1} << 40;

DecimalScan scanDecimal(Cursor cur) {
    DecimalScan scan;
    char c = cur.peek();
    if (c == '+' || c == '-') {
        scan.negative = c == '-';
        cur.advance();
        c = cur.peek();
    }
    scan.begin = cur.p;
    const char* lastTaken = nullptr;
    auto take = [&] {
        if (lastTaken != nullptr && cur.p != lastTaken + 1)
            scan.gaps = true;
        lastTaken = cur.p;
        cur.advance();
    };

    std::int64_t integerDigits = 0; // after leading zeros
    std::int64_t fractionZeros = 0; // zeros after the point before the first non-zero digit
    bool seenNonZero = false;
    for (; isDigit(c); c = cur.peek()) {
        scan.anyDigit = true;
        if (c != '0' || seenNonZero) {
            seenNonZero = true;
            integerDigits = std::min(integerDigits + 1, saturation);
        }
        take();
    }
    if (c == '.') {
        Cursor afterPoint = cur;
        afterPoint.advance();
        const bool digitFollows = isDigit(afterPoint.peek());
        if (digitFollows || scan.anyDigit) {
            take();
            for (c = cur.peek(); isDigit(c); c = cur.peek()) {
                scan.anyDigit = true;
                if (!seenNonZero) {
                    if (c == '0')
                        fractionZeros = std::min(fractionZeros + 1, saturation);
                    else
                        seenNonZero = true;
                }
                take();
            }
        }
    }
    if (!scan.anyDigit)
        return scan;
    scan.leadingPower = integerDigits > 0 ? integerDigits - 1 : -fractionZeros - 1;
    scan.end = lastTaken + 1;

    // The exponent counts only with at least one digit; otherwise the number ends before it.
    if (c == 'E' || c == 'e') {
        Cursor probe = cur;
        const bool gapBeforeE = probe.p != lastTaken + 1;
        const char* eAt = probe.p;
        probe.advance();
        bool gapsInExponent = false;
        const char* previous = eAt;
        bool negativeExponent = false;
        char e = probe.peek();
        if (e == '+' || e == '-') {
            gapsInExponent = gapsInExponent || probe.p != previous + 1;
            previous = probe.p;
            negativeExponent = e == '-';
            probe.advance();
            e = probe.peek();
        }
        std::int64_t value = 0;
        bool exponentDigit = false;
        for (; isDigit(e); e = probe.peek()) {
            gapsInExponent = gapsInExponent || probe.p != previous + 1;
            previous = probe.p;
            exponentDigit = true;
            value = std::min(value * 10 + (e - '0'), saturation);
            probe.advance();
        }
        if (exponentDigit) {
            scan.exponent = negativeExponent ? -value : value;
            scan.gaps = scan.gaps || gapBeforeE || gapsInExponent;
            scan.end = previous + 1;
        }
    }
    return scan;
}

double readDecimal(Cursor cur) {
    const DecimalScan scan = scanDecimal(cur);
    if (!scan.anyDigit)
        return 0.0;

    std::string compacted; // only for numbers typed with gaps, such as "1 2.5"
    const char* first = scan.begin;
    const char* last = scan.end;
    if (scan.gaps) {
        compacted.reserve(static_cast<std::size_t>(last - first));
        std::copy_if(first, last, std::back_inserter(compacted), [](char c) { return !isIgnored(c); });
        first = compacted.data();
        last = first + compacted.size();
    }

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Either too small, which reads as zero like any tiny number, or too large.
        if (scan.leadingPower + scan.exponent < 0)
            return scan.negative ? -0.0 : 0.0;
        throw NumberOutOfRange();
    }
    if (ec != std::errc{})
        return 0.0;
    return scan.negative ? -value : value;
}

} // namespace

double TextToNumber(std::string_view text) {
    Cursor cur{text.data(), text.data() + text.size()};
    if (cur.peek() == '&') {
        Cursor radix = cur;
        radix.advance();
        switch (radix.peek()) {
        case 'H':
        case 'h':
            radix.advance();
            return readRadixInteger(radix, 4);
        case 'O':
        case 'o':
            radix.advance();
            return readRadixInteger(radix, 3);
        default:
            return 0.0;
        }
    }
    return readDecimal(cur);
}

std::size_t NumberToText(double x, std::string_view decimalSeparator, char* out) {
    char* o = out;
    if (x == 0.0) {
        *o++ = '0';
        return 1;
    }
    if (std::signbit(x))
        *o++ = '-';

    // "d.dddddddddddddde+XX": the 15 significant digits nearest to the exact value.
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci, std::fabs(x),
                                   std::chars_format::scientific, 14);
    char digits[15];
    digits[0] = sci[0];
    std::memcpy(digits + 1, sci + 2, 14);
    int count = 15;
    while (count > 1 && digits[count - 1] == '0')
        --count;
    int power = 0;
    {
        const char* e = sci + 17; // after the 'e'
        const bool negative = *e == '-';
        for (++e; e != res.ptr; ++e)
            power = power * 10 + (*e - '0');
        if (negative)
            power = -power;
    }

    const auto separator = [&] {
        std::memcpy(o, decimalSeparator.data(), decimalSeparator.size());
        o += decimalSeparator.size();
    };
    if (power >= -4 && power <= 14) {
        if (power >= 0) {
            for (int i = 0; i <= power; ++i)
                *o++ = i < count ? digits[i] : '0';
            if (count > power + 1) {
                separator();
                for (int i = power + 1; i < count; ++i)
                    *o++ = digits[i];
            }
        } else {
            *o++ = '0';
            separator();
            for (int i = 0; i < -power - 1; ++i)
                *o++ = '0';
            for (int i = 0; i < count; ++i)
                *o++ = digits[i];
        }
    } else {
        *o++ = digits[0];
        if (count > 1) {
            separator();
            for (int i = 1; i < count; ++i)
                *o++ = digits[i];
        }
        *o++ = 'E';
        *o++ = power < 0 ? '-' : '+';
        const int magnitude = power < 0 ? -power : power;
        if (magnitude >= 100)
            *o++ = static_cast<char>('0' + magnitude / 100);
        *o++ = static_cast<char>('0' + magnitude / 10 % 10);
        *o++ = static_cast<char>('0' + magnitude % 10);
    }
    return static_cast<std::size_t>(o - out);
}

std::string NumberToText(double x, std::string_view decimalSeparator) {
    std::string text(MaxNumberTextSize(decimalSeparator.size()), '\0');
    text.resize(NumberToText(x, decimalSeparator, text.data()));
    return text;
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
