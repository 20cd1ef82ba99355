// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole computation from four texts, as Solve runs it: read Q, H, n, m, compute P in its
// fixed order, show P and P / 1000. Compared with a step-by-step reference built on strtod
// and printf; a number out of range, typed or computed, must throw exactly when the
// reference meets a non-finite value at that step.
//
// The texts reach TextToNumber in UTF-16, as the window reads its input boxes, each byte
// widened to one code unit. Input: four texts split the way
// FuzzedDataProvider::ConsumeRandomLengthString does
// ("\ " ends a text, "\\" is a backslash); the fourth takes the rest.
#include "fuzzcheck.h"
#include "numberreference.h"
#include "numberrules.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace torrentix;

namespace {

// The reference computation: each step one double operation, stored before the next.
// Returns false when a read or a step leaves the double range.
bool referencePower(const std::array<std::string, 4>& texts, double& p) {
    std::array<double, 4> v{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!reference::Read(texts[i], v[i]))
            return false;
    const double g = std::bit_cast<double>(std::uint64_t{0x40239EB851EB851F});
    volatile double t1 = v[0] * g;
    if (!std::isfinite(t1))
        return false;
    volatile double t2 = t1 * v[1];
    if (!std::isfinite(t2))
        return false;
    volatile double t3 = v[2] / 100.0;
    volatile double t4 = t2 * t3;
    if (!std::isfinite(t4))
        return false;
    volatile double t5 = v[3] / 100.0;
    p = t4 * t5;
    return std::isfinite(p);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < 3; ++i)
        texts[i] = provider.ConsumeRandomLengthString();
    texts[3] = provider.ConsumeRemainingBytesAsString();

    double expected = 0;
    const bool inRange = referencePower(texts, expected);

    std::array<std::u16string, 4> wide;
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (char c : texts[i])
            wide[i] += static_cast<char16_t>(static_cast<unsigned char>(c));

    double p = 0;
    try {
        p = PowerKilowatts(
            TextToNumber(std::u16string_view(wide[0])), TextToNumber(std::u16string_view(wide[1])),
            TextToNumber(std::u16string_view(wide[2])), TextToNumber(std::u16string_view(wide[3])));
    } catch (const NumberOutOfRange&) {
        fuzz::Check(!inRange, "refused, but the reference computes " + fuzz::Exact(expected));
        return 0;
    }
    fuzz::Check(inRange, "computed " + fuzz::Exact(p) + ", but a reference step is not finite");
    fuzz::Check(std::bit_cast<std::uint64_t>(p) == std::bit_cast<std::uint64_t>(expected),
                "P = " + fuzz::Exact(p) + ", reference " + fuzz::Exact(expected));

    const double mw = KilowattsToMegawatts(p);
    const double expectedMw = expected / 1000.0;
    fuzz::Check(std::bit_cast<std::uint64_t>(mw) == std::bit_cast<std::uint64_t>(expectedMw),
                "P / 1000 = " + fuzz::Exact(mw) + ", reference " + fuzz::Exact(expectedMw));
    fuzz::Check(NumberToText(p) == reference::Display(expected), "kW text " + NumberToText(p));
    fuzz::Check(NumberToText(mw) == reference::Display(expectedMw), "MW text " + NumberToText(mw));
    return 0;
}
