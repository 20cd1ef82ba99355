// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading and display rules written a second time, on top of glibc's strtod and printf,
// which share no code with the rules themselves (those use std::from_chars and std::to_chars).
// The differential test and the fuzzers compare the rules against these.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace torrentix::reference {

inline bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

inline int radixDigit(char c, int radix) {
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

// strtod of `number`, false when it lies beyond the double range.
inline bool strtodInRange(const std::string& number, double& value) {
    errno = 0;
    value = std::strtod(number.c_str(), nullptr);
    return !(errno == ERANGE && std::isinf(value));
}

// "&H"/"&O" digits as a hexadecimal floating-point text for strtod ("0x..."); octal digits
// are regrouped bit by bit into hexadecimal ones.
inline std::string radixAsHex(std::string_view digits, int radix) {
    if (radix == 16)
        return "0x" + std::string(digits);
    std::string bits;
    bits.reserve(digits.size() * 3 + 3);
    for (char c : digits) {
        const int d = c - '0';
        bits += static_cast<char>('0' + ((d >> 2) & 1));
        bits += static_cast<char>('0' + ((d >> 1) & 1));
        bits += static_cast<char>('0' + (d & 1));
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex = "0x0";
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                           (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return hex;
}

// The reading rule: drop the ignored characters, cut the number by hand, let strtod read it.
// Returns false when the number is beyond the double range.
inline bool Read(std::string_view raw, double& value) {
    std::string text;
    text.reserve(raw.size());
    for (char c : raw)
        if (c != ' ' && c != '\t' && c != '\n')
            text += c;
    value = 0;

    if (text.size() >= 2 && text[0] == '&') {
        int radix = 0;
        if (text[1] == 'H' || text[1] == 'h')
            radix = 16;
        else if (text[1] == 'O' || text[1] == 'o')
            radix = 8;
        if (radix == 0)
            return true;
        std::size_t end = 2;
        while (end < text.size() && radixDigit(text[end], radix) >= 0)
            ++end;
        if (end == 2)
            return true;
        return strtodInRange(radixAsHex(std::string_view(text).substr(2, end - 2), radix), value);
    }
    if (!text.empty() && text[0] == '&')
        return true;

    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    while (i < text.size() && isDecimalDigit(text[i]))
        ++i;
    bool anyDigit = i > mantissaStart;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && isDecimalDigit(text[j]))
            ++j;
        if (j > i + 1 || anyDigit) {
            anyDigit = anyDigit || j > i + 1;
            i = j;
        }
    }
    if (!anyDigit)
        return true;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t digitsStart = j;
        while (j < text.size() && isDecimalDigit(text[j]))
            ++j;
        if (j > digitsStart)
            i = j;
    }
    return strtodInRange(text.substr(0, i), value);
}

// The display rule: printf's fifteen significant digits, laid out by hand. Appends rather
// than concatenations: GCC 12 warns falsely (-Wrestrict) about the latter in release builds.
inline std::string Display(double x, std::string_view separator = ".") {
    if (x == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
    const int power = std::atoi(std::strchr(buf, 'e') + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const std::string sep(separator);
    std::string out = std::signbit(x) ? "-" : "";
    if (power >= -4 && power <= 14) {
        if (power >= 0) {
            std::string whole =
                digits.substr(0, std::min<std::size_t>(digits.size(), std::size_t(power) + 1));
            whole.resize(static_cast<std::size_t>(power) + 1, '0');
            out += whole;
            if (digits.size() > static_cast<std::size_t>(power) + 1)
                out.append(sep).append(digits, static_cast<std::size_t>(power) + 1);
        } else {
            out.append("0")
                .append(sep)
                .append(static_cast<std::size_t>(-power - 1), '0')
                .append(digits);
        }
    } else {
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", power < 0 ? '-' : '+', std::abs(power));
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out.append(sep).append(digits, 1);
        out += exponent;
    }
    return out;
}

} // namespace torrentix::reference
