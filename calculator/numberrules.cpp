#include "numberrules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>

namespace torrentix {
namespace {

// Blanks, tabs and line feeds do not count anywhere in a typed number ("1 2" is 12).
template <class Char> constexpr bool isIgnored(Char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
template <class Char> constexpr bool isDigit(Char c) {
    return c >= '0' && c <= '9';
}

// Walks the text as if every ignored character had been removed first. Works on bytes
// (UTF-8) and on UTF-16 code units alike: every character of a number is ASCII.
template <class Char> struct Cursor {
    const Char* p;
    const Char* end;

    // The next character that counts, or NUL at the end. A NUL in the text is never part
    // of a number, so it ends the reading just as the end of the text does.
    Char peek() {
        while (p != end && isIgnored(*p))
            ++p;
        return p == end ? Char{} : *p;
    }
    void advance() { ++p; }
};

// Reads an unsigned "&H"/"&O" integer of any length, rounded to the nearest double (ties to
// even). There is no sign bit: "&HFFFF" is 65535, as a user would expect.
template <class Char> double readRadixInteger(Cursor<Char> cur, int bitsPerDigit) {
    const auto digitValue = [bitsPerDigit](Char c) -> int {
        if (c >= '0' && c <= '7')
            return static_cast<int>(c - '0');
        if (bitsPerDigit == 3)
            return -1;
        if (c >= '8' && c <= '9')
            return static_cast<int>(c - '0');
        if (c >= 'a' && c <= 'f')
            return static_cast<int>(c - 'a') + 10;
        if (c >= 'A' && c <= 'F')
            return static_cast<int>(c - 'A') + 10;
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
    if (droppedBits == 0 && mantissa <= (std::uint64_t{1} << 53))
        return static_cast<double>(mantissa); // exact: the usual short "&H1F"

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
template <class Char> struct DecimalScan {
    const Char* begin = nullptr; // first character of the unsigned number
    const Char* end = nullptr;   // one past its last character
    bool gaps = false;           // ignored characters stand inside the number
    bool negative = false;
    bool anyDigit = false;
    // Power of ten of the first significant digit, before the exponent; only meaningful
    // when the number is not zero. Saturated, so megabyte inputs cannot overflow it.
    std::int64_t leadingPower = 0;
    std::int64_t exponent = 0; // saturated too
    // The digits as an integer, while they fit in 19 digits, and the power of ten of its
    // last digit (before the exponent): enough to read most typed numbers exactly without
    // from_chars.
    std::uint64_t significand = 0;
    int significandDigits = 0; // from the first non-zero digit on
    bool significandExact = true;
    std::int64_t significandScale = 0;
};

constexpr std::int64_t saturation = std::int64_t{1} << 40;

// Past the 19 digits the fast reading can use, a digit only needs counting: takes the digits
// that follow without a gap in one go, as a pasted megabyte of them would be.
template <class Char> std::int64_t skipDigitRun(Cursor<Char>& cur, const Char*& lastTaken) {
    const Char* p = cur.p;
    while (p != cur.end && isDigit(*p))
        ++p;
    const std::int64_t count = p - cur.p;
    if (count > 0) {
        lastTaken = p - 1;
        cur.p = p;
    }
    return count;
}

template <class Char> DecimalScan<Char> scanDecimal(Cursor<Char> cur) {
    DecimalScan<Char> scan;
    Char c = cur.peek();
    if (c == '+' || c == '-') {
        scan.negative = c == '-';
        cur.advance();
        c = cur.peek();
    }
    scan.begin = cur.p;
    const Char* lastTaken = nullptr;
    auto take = [&] {
        if (lastTaken != nullptr && cur.p != lastTaken + 1)
            scan.gaps = true;
        lastTaken = cur.p;
        cur.advance();
    };

    std::int64_t integerDigits = 0; // after leading zeros
    std::int64_t fractionZeros = 0; // zeros after the point before the first non-zero digit
    bool seenNonZero = false;
    auto keep = [&scan](Char digit) {
        if (scan.significandDigits == 19) {
            scan.significandExact = false;
            return false;
        }
        scan.significand = scan.significand * 10 + static_cast<std::uint64_t>(digit - '0');
        if (scan.significand != 0)
            ++scan.significandDigits;
        return true;
    };
    for (; isDigit(c); c = cur.peek()) {
        scan.anyDigit = true;
        keep(c);
        if (c != '0' || seenNonZero) {
            seenNonZero = true;
            integerDigits = std::min(integerDigits + 1, saturation);
        }
        take();
        if (!scan.significandExact) {
            const std::int64_t more = skipDigitRun(cur, lastTaken);
            integerDigits = std::min(integerDigits + more, saturation);
        }
    }
    if (c == '.') {
        Cursor<Char> afterPoint = cur;
        afterPoint.advance();
        const bool digitFollows = isDigit(afterPoint.peek());
        if (digitFollows || scan.anyDigit) {
            take();
            for (c = cur.peek(); isDigit(c); c = cur.peek()) {
                scan.anyDigit = true;
                if (keep(c))
                    --scan.significandScale;
                if (!seenNonZero) {
                    if (c == '0')
                        fractionZeros = std::min(fractionZeros + 1, saturation);
                    else
                        seenNonZero = true;
                }
                take();
                if (!scan.significandExact)
                    skipDigitRun(cur, lastTaken);
            }
        }
    }
    if (!scan.anyDigit)
        return scan;
    scan.leadingPower = integerDigits > 0 ? integerDigits - 1 : -fractionZeros - 1;
    scan.end = lastTaken + 1;

    // The exponent counts only with at least one digit; otherwise the number ends before it.
    if (c == 'E' || c == 'e') {
        Cursor<Char> probe = cur;
        const bool gapBeforeE = probe.p != lastTaken + 1;
        const Char* eAt = probe.p;
        probe.advance();
        bool gapsInExponent = false;
        const Char* previous = eAt;
        bool negativeExponent = false;
        Char e = probe.peek();
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
            value = std::min(value * 10 + static_cast<std::int64_t>(e - '0'), saturation);
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

// Powers of ten that a double holds exactly.
constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Most typed numbers have few digits and a small exponent. Then the digits and the power of
// ten are both exact doubles, and one rounded multiplication or division gives the nearest
// double, as from_chars would, at a fraction of the cost. False when that does not hold.
bool exactDecimal(std::uint64_t significand, std::int64_t power, bool negative, double& out) {
    if (significand > (std::uint64_t{1} << 53))
        return false;
    if (significand == 0) {
        out = negative ? -0.0 : 0.0;
        return true;
    }
    if (power < -22 || power > 22)
        return false;
    const double digits = static_cast<double>(significand);
    const double value =
        power < 0 ? digits / exactPowersOfTen[-power] : digits * exactPowersOfTen[power];
    out = negative ? -value : value;
    return true;
}

// The number as users usually type it, in one piece: a sign, up to 19 digits with a point
// somewhere, a short exponent, and nothing after it that could continue it. False for
// anything else (blanks, "&", long or odd numbers), which the full reading handles.
template <class Char> bool readPlain(const Char* p, const Char* end, double& out) {
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    std::uint64_t significand = 0;
    int digits = 0; // significant ones
    std::int64_t scale = 0;
    bool anyDigit = false;
    // A twentieth significant digit is refused before it is multiplied in: it may not fit in
    // 64 bits, and a product that wraps to exactly zero (2^64 typed out) would not count.
    const auto keep = [&](Char c) {
        if (digits == 19)
            return false;
        significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
        digits += significand != 0;
        anyDigit = true;
        return true;
    };
    for (; p != end && isDigit(*p); ++p) {
        if (!keep(*p))
            return false;
    }
    if (p != end && *p == '.') {
        for (++p; p != end && isDigit(*p); ++p, --scale) {
            if (!keep(*p))
                return false;
        }
    }
    if (!anyDigit)
        return false;
    int exponent = 0;
    if (p != end && (*p == 'E' || *p == 'e')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == '+' || *p == '-'))
            negativeExponent = *p++ == '-';
        const Char* first = p;
        for (; p != end && isDigit(*p) && p - first < 4; ++p)
            exponent = exponent * 10 + static_cast<int>(*p - '0');
        if (p == first)
            return false;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (p != end && (isIgnored(*p) || isDigit(*p) || *p == '.' || *p == 'E' || *p == 'e'))
        return false;
    return exactDecimal(significand, scale + exponent, negative, out);
}

template <class Char> double readDecimal(Cursor<Char> cur) {
    const DecimalScan<Char> scan = scanDecimal(cur);
    if (!scan.anyDigit)
        return 0.0;

    if (double value;
        scan.significandExact &&
        exactDecimal(scan.significand, scan.significandScale + scan.exponent, scan.negative, value))
        return value;

    // from_chars wants plain chars in one piece: numbers typed with gaps ("1 2.5") or held
    // in UTF-16 are copied first, into a small buffer unless they are very long.
    const Char* first = scan.begin;
    const Char* last = scan.end;
    const char* number = nullptr;
    std::size_t size = 0;
    char small[64];
    std::string large;
    if constexpr (std::is_same_v<Char, char>) {
        if (!scan.gaps) {
            number = first;
            size = static_cast<std::size_t>(last - first);
        }
    }
    if (number == nullptr) {
        char* out = small;
        if (last - first > static_cast<std::ptrdiff_t>(sizeof small)) {
            large.resize(static_cast<std::size_t>(last - first));
            out = large.data();
        }
        number = out;
        for (const Char* p = first; p != last; ++p) {
            if (!isIgnored(*p))
                *out++ = static_cast<char>(*p);
        }
        size = static_cast<std::size_t>(out - number);
    }

    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(number, number + size, value, std::chars_format::general);
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

template <class Char> double textToNumber(std::basic_string_view<Char> text) {
    // Blanks in front are common and harmless; blanks further in take the full reading.
    const Char* first = text.data();
    const Char* const end = text.data() + text.size();
    while (first != end && isIgnored(*first))
        ++first;
    if (double value; readPlain(first, end, value))
        return value;
    Cursor<Char> cur{text.data(), text.data() + text.size()};
    if (cur.peek() == '&') {
        Cursor<Char> radix = cur;
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

// The exponent written after the 'e' of to_chars' scientific form, between `e` and `end`.
int exponentOf(const char* e, const char* end) {
    const bool negative = *e == '-';
    int power = 0;
    for (++e; e != end; ++e)
        power = power * 10 + (*e - '0');
    return negative ? -power : power;
}

__extension__ using Uint128 = unsigned __int128;

// 5^0 to 5^27, all that 64 bits hold.
constexpr auto powersOfFive = [] {
    std::array<std::uint64_t, 28> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 5;
    return powers;
}();

// 10^0 to 10^19, all that 64 bits hold.
constexpr auto powersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

constexpr std::uint64_t smallestFifteenDigits = 100'000'000'000'000ULL;

// The 15 significant digits nearest to a positive `x` (ties to even) as an integer, and the
// power of ten of the first, by exact integer arithmetic: x is m * 2^e, so x * 10^s is
// m * 5^s * 2^(e + s), which 128 bits hold for the magnitudes results usually have
// (about 1e-13 up to 2^52). Much quicker than to_chars with a precision. Returns false
// outside that range; the caller lets to_chars round then.
bool fifteenDigits(double x, std::uint64_t& digits, int& power) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    const int biased = static_cast<int>(bits >> 52);
    if (biased == 0)
        return false; // subnormal
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e = biased - 1075;
    // floor(log10(2) * binary exponent): the power of ten is this or one more.
    power = ((biased - 1023) * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int s = 14 - power; // x * 10^s has 15 digits before the point
        if (s < 0) {
            // Large numbers: x / 10^-s, in 64 bits while x is an integer below 2^64.
            if (e > 11 || -s > 19 - 1)
                return false;
            const std::uint64_t numerator = m << (e > 0 ? e : 0);
            const std::uint64_t denominator = powersOfTen[static_cast<std::size_t>(-s)]
                                              << (e < 0 ? -e : 0);
            std::uint64_t rounded = numerator / denominator;
            const std::uint64_t rest = numerator % denominator;
            if (rest > denominator - rest || (rest == denominator - rest && (rounded & 1) != 0))
                ++rounded;
            if (rounded < smallestFifteenDigits) {
                --power;
            } else if (rounded >= smallestFifteenDigits * 10) {
                ++power;
            } else {
                digits = rounded;
                return true;
            }
            continue;
        }
        if (s >= static_cast<int>(powersOfFive.size()))
            return false;
        const int shift = -(e + s);
        if (shift <= 0) {
            ++power; // x * 10^s >= m >= 2^52: more than 15 digits
            continue;
        }
        if (shift > 120)
            return false;
        const Uint128 scaled = static_cast<Uint128>(m) * powersOfFive[static_cast<std::size_t>(s)];
        Uint128 rounded = scaled >> shift;
        const Uint128 rest = scaled & ((Uint128{1} << shift) - 1);
        const Uint128 half = Uint128{1} << (shift - 1);
        if (rest > half || (rest == half && (rounded & 1) != 0))
            ++rounded;
        if (rounded < smallestFifteenDigits) {
            --power; // fewer than 15 digits: the first digit stands lower
        } else if (rounded >= smallestFifteenDigits * 10) {
            ++power; // more, or rounded up to the next power of ten
        } else {
            digits = static_cast<std::uint64_t>(rounded);
            return true;
        }
    }
    return false;
}

} // namespace

double TextToNumber(std::string_view text) {
    return textToNumber(text);
}

double TextToNumber(std::u16string_view text) {
    return textToNumber(text);
}

std::size_t NumberToText(double x, std::string_view decimalSeparator, char* out) {
    char* o = out;
    if (x == 0.0) {
        *o++ = '0';
        return 1;
    }
    if (std::signbit(x))
        *o++ = '-';

    // The 15 significant digits nearest to the exact value, and the power of ten of the
    // first.
    char digits[15];
    int count = 0;
    int power = 0;
    if (std::uint64_t value; fifteenDigits(std::fabs(x), value, power)) {
        for (int i = 14; i >= 0; --i, value /= 10)
            digits[i] = static_cast<char>('0' + value % 10);
        count = 15;
    } else {
        char sci[32]; // "d.dddddddddddddde+XX"
        const auto res =
            std::to_chars(sci, sci + sizeof sci, std::fabs(x), std::chars_format::scientific, 14);
        digits[0] = sci[0];
        std::memcpy(digits + 1, sci + 2, 14);
        count = 15;
        power = exponentOf(sci + 17, res.ptr);
    }
    while (count > 1 && digits[count - 1] == '0')
        --count;

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
    // Built on the stack first, so a short text fits the string's own storage and costs no
    // allocation.
    char small[MaxNumberTextSize(4)];
    if (decimalSeparator.size() <= 4)
        return std::string(small, NumberToText(x, decimalSeparator, small));
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
