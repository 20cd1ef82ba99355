// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Random inputs for the number rules, the same from a seed on every platform: the differential
// test checks the rules with them, and the transcript compares a build for another machine
// with the native one.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace torrentix::generated {

// Random finite doubles of every kind: any bit pattern, subnormals, huge and tiny
// magnitudes, small integers and short decimals.
inline double randomDouble(std::mt19937_64& rng) {
    for (;;) {
        // Each draw from the generator is a statement of its own: compilers order the
        // arguments of one call differently, and the cases must be the same on every machine.
        double x = 0;
        const auto kind = rng() % 6;
        switch (kind) {
        case 0:
            x = std::bit_cast<double>(rng());
            break;
        case 1:
            x = std::bit_cast<double>(rng() & 0x800FFFFFFFFFFFFFULL); // subnormal
            break;
        case 2:   // huge
        case 3: { // tiny
            const double mantissa = 1.0 + static_cast<double>(rng() >> 12) / 4503599627370496.0;
            const int exponent = static_cast<int>(rng() % 80) + 940;
            x = std::ldexp(mantissa, kind == 2 ? exponent : -exponent);
            break;
        }
        case 4:
            x = static_cast<double>(static_cast<std::int64_t>(rng() % 2000001) - 1000000);
            break;
        default:
            x = static_cast<double>(rng() % 100000000);
            x /= std::pow(10.0, static_cast<double>(rng() % 12));
        }
        if (std::isfinite(x))
            return x;
    }
}

// Odd integers between 10^15 and 2^53 are exact and have sixteen digits; those ending in 5
// lie exactly halfway between two fifteen-digit numbers.
inline std::uint64_t halfwayInteger(std::mt19937_64& rng) {
    const std::uint64_t low = 1'000'000'000'000'000ULL;
    const std::uint64_t v = low + rng() % (9'007'199'254'740'991ULL - low);
    return v - v % 10 + 5;
}

// A random text for the reading rule, built from number-like pieces and noise.
inline std::string randomText(std::mt19937_64& rng) {
    static const char* const pieces[] = {"0", "1", "5",  "9",  "00", "123", "4567890", ".",
                                         "e", "E", "+",  "-",  " ",  "\t",  "\n",      "x",
                                         ",", "%", "&H", "&o", "A",  "f"};
    std::string text;
    if (rng() % 3 == 0) {
        // A well-formed number, sometimes with very many digits or a big exponent.
        if (rng() & 1)
            text += (rng() & 1) ? "-" : "+";
        const int digits =
            rng() % 10 == 0 ? static_cast<int>(rng() % 800) : static_cast<int>(rng() % 20);
        for (int i = 0; i < digits; ++i)
            text += static_cast<char>('0' + rng() % 10);
        text += ".";
        const int fraction = static_cast<int>(rng() % 20);
        for (int i = 0; i < fraction; ++i)
            text += static_cast<char>('0' + rng() % 10);
        if (rng() & 1)
            text.append("e").append(std::to_string(static_cast<int>(rng() % 700) - 350));
        return text;
    }
    const int count = static_cast<int>(rng() % 12);
    for (int i = 0; i < count; ++i)
        text += pieces[rng() % (sizeof pieces / sizeof *pieces)];
    return text;
}

} // namespace torrentix::generated
