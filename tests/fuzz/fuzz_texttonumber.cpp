// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// TextToNumber on arbitrary bytes: invalid UTF-8, NULs, long runs of digits or blanks.
// It reads exactly what strtod reads from the same hand-cut prefix, and it throws nothing
// but NumberOutOfRange, and that only when strtod also finds the number beyond the range.
// The UTF-16 form, which the window uses, is held to the same: the input once widened byte
// by byte, and once taken as pairs of bytes, so every code unit turns up (full-width digits,
// units whose low byte is an ASCII digit, surrogates).
#include "fuzzcheck.h"
#include "numberreference.h"
#include "numberrules.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using namespace torrentix;

namespace {

// Checks one reading against the reference's reading of `ascii`.
template <class Text> void check(Text text, std::string_view ascii, const char* form) {
    double expected = 0;
    const bool inRange = reference::Read(ascii, expected);

    double value = 0;
    bool outOfRange = false;
    try {
        value = TextToNumber(text);
    } catch (const NumberOutOfRange&) {
        outOfRange = true;
    }
    // Any other exception leaves the target and ends the run as a crash.

    fuzz::Check(outOfRange == !inRange,
                std::string(form) + (outOfRange ? ": refused a number strtod reads"
                                                : ": read a number strtod finds out of range"));
    if (inRange)
        fuzz::Check(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(expected),
                    std::string(form) + ": read " + fuzz::Exact(value) + ", strtod " +
                        fuzz::Exact(expected));
}

// What the reference sees of a UTF-16 text: ASCII as it is, anything else as a byte that is
// never part of a number.
std::string asciiOf(std::u16string_view text) {
    std::string ascii(text.size(), '\x80');
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] < 0x80)
            ascii[i] = static_cast<char>(text[i]);
    return ascii;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes, bytes, "bytes");

    std::u16string widened(size, u'\0');
    for (std::size_t i = 0; i < size; ++i)
        widened[i] = data[i];
    check(std::u16string_view(widened), asciiOf(widened), "widened");

    std::u16string pairs(size / 2, u'\0');
    std::memcpy(pairs.data(), data, pairs.size() * 2);
    check(std::u16string_view(pairs), asciiOf(pairs), "UTF-16");
    return 0;
}
