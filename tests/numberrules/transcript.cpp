// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes what the number rules make of many inputs, one line each, so that two builds for
// different machines (native and WebAssembly) can be compared byte for byte. Plain C++: it runs
// wherever the rules do, under Node.js too.
//   rules_transcript CASES [FILE...]
// CASES generated readings, displays and powers, then each FILE's bytes read as a number, as
// four lines of inputs to the power, and its first eight bytes as a double to display.
#include "numbercases.h"
#include "numberrules.h"

#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace torrentix;

namespace {

// The bits of a result, or "range" when the rules refuse it.
template <class Rule> void result(const char* kind, Rule rule) {
    try {
        std::printf("%s %016" PRIx64 "\n", kind, std::bit_cast<std::uint64_t>(rule()));
    } catch (const NumberOutOfRange&) {
        std::printf("%s range\n", kind);
    }
}

void display(double x) {
    if (std::isfinite(x))
        std::printf("D %016" PRIx64 " %s\n", std::bit_cast<std::uint64_t>(x),
                    NumberToText(x).c_str());
}

void power(const std::vector<std::string>& texts) {
    result("P", [&] {
        return PowerKilowatts(TextToNumber(texts[0]), TextToNumber(texts[1]),
                              TextToNumber(texts[2]), TextToNumber(texts[3]));
    });
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: rules_transcript CASES [FILE...]\n", stderr);
        return 2;
    }
    const long cases = std::strtol(argv[1], nullptr, 10);
    std::mt19937_64 rng(20261210);
    for (long i = 0; i < cases; ++i) {
        const std::string text = generated::randomText(rng);
        result("T", [&] { return TextToNumber(text); });
        display(generated::randomDouble(rng));
        display(static_cast<double>(generated::halfwayInteger(rng)));
        std::vector<std::string> texts;
        for (int k = 0; k < 4; ++k)
            texts.push_back(generated::randomText(rng));
        power(texts);
    }
    for (int a = 2; a < argc; ++a) {
        std::ifstream in(argv[a], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "cannot read %s\n", argv[a]);
            return 1;
        }
        std::printf("F %s\n", argv[a]);
        result("T", [&] { return TextToNumber(bytes); });
        std::u16string wide;
        for (const unsigned char c : bytes)
            wide += c;
        result("T", [&] { return TextToNumber(std::u16string_view(wide)); });
        std::vector<std::string> lines(4);
        std::istringstream split(bytes);
        for (std::string& line : lines)
            std::getline(split, line);
        power(lines);
        if (bytes.size() >= sizeof(double)) {
            std::uint64_t bits = 0;
            for (std::size_t k = 0; k < sizeof bits; ++k)
                bits |= std::uint64_t{static_cast<unsigned char>(bytes[k])} << (8 * k);
            display(std::bit_cast<double>(bits));
        }
    }
    return 0;
}
