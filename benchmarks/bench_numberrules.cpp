// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The number rules beside the standard conversions they are built on, on the same numbers:
// TextToNumber beside std::from_chars, NumberToText beside std::to_chars with 15 significant
// digits. For information: no goal rests on these figures. Prints Google Benchmark's table
// to stderr and a summary in Markdown (ratios, then absolute figures) to stdout.
#include "allocations.h"
#include "collector.h"
#include "numberrules.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

using torrentix::bench::Allocations;

namespace {

struct ReadCase {
    const char* text;     // as typed
    const char* standard; // the same number in the form from_chars reads
    std::chars_format format;
};
// Blanks and "&H" are ours alone: from_chars gets the number without them.
const std::vector<ReadCase> readCases = {
    {"10", "10", std::chars_format::general},      {"401.7", "401.7", std::chars_format::general},
    {" 12.5", "12.5", std::chars_format::general}, {"1.5E3", "1.5E3", std::chars_format::general},
    {"&H1F", "1F", std::chars_format::hex},
};

// Typical results: kilowatts and megawatts of the usual inputs, small and large powers.
std::vector<double> displayCases() {
    using torrentix::KilowattsToMegawatts;
    using torrentix::PowerKilowatts;
    const double a = PowerKilowatts(10, 50, 90, 95);
    const double b = PowerKilowatts(401.7, 325.9, 33.3, 26.5);
    const double c = PowerKilowatts(1, 1, 1, 1);
    const double d = PowerKilowatts(1e8, 1e8, 100, 100);
    return {a, KilowattsToMegawatts(a), b, KilowattsToMegawatts(b), c, KilowattsToMegawatts(c), d};
}

void countAllocations(benchmark::State& state, std::uint64_t before) {
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(Allocations() - before),
                                                  benchmark::Counter::kAvgIterations);
}

// Our reading of `text` as the window holds it: bytes, or UTF-16 code units.
template <class View> void readOursAs(benchmark::State& state, View text) {
    const std::uint64_t before = Allocations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        double value = torrentix::TextToNumber(text);
        benchmark::DoNotOptimize(value);
    }
    countAllocations(state, before);
}

void readOurs(benchmark::State& state, std::string_view text) {
    readOursAs(state, text);
}

void readOurs16(benchmark::State& state, std::u16string text16) {
    readOursAs(state, std::u16string_view(text16));
}

void readStandard(benchmark::State& state, std::string_view text, std::chars_format format) {
    const std::uint64_t before = Allocations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value, format);
        benchmark::DoNotOptimize(value);
    }
    countAllocations(state, before);
}

void showOurs(benchmark::State& state, double x) {
    const std::uint64_t before = Allocations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        std::string text = torrentix::NumberToText(x);
        benchmark::DoNotOptimize(text);
    }
    countAllocations(state, before);
}

void showStandard(benchmark::State& state, double x) {
    char out[32];
    const std::uint64_t before = Allocations();
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        auto result = std::to_chars(out, out + sizeof out, x, std::chars_format::general, 15);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(out);
    }
    countAllocations(state, before);
}

std::string name(const char* kind, std::size_t i) {
    return std::string(kind) + "/" + std::to_string(i);
}

} // namespace

void printSummary(const torrentix::bench::Collector& results, const std::vector<double>& shown);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    for (std::size_t i = 0; i < readCases.size(); ++i) {
        const ReadCase& c = readCases[i];
        const std::string text = c.text;
        const std::u16string text16(text.begin(), text.end());
        benchmark::RegisterBenchmark(name("read_ours", i).c_str(),
                                     [text](benchmark::State& s) { readOurs(s, text); });
        benchmark::RegisterBenchmark(name("read_ours_utf16", i).c_str(),
                                     [text16](benchmark::State& s) { readOurs16(s, text16); });
        benchmark::RegisterBenchmark(name("read_from_chars", i).c_str(),
                                     [std = std::string(c.standard), format = c.format](
                                         benchmark::State& s) { readStandard(s, std, format); });
    }
    const std::vector<double> shown = displayCases();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double x = shown[i];
        benchmark::RegisterBenchmark(name("show_ours", i).c_str(),
                                     [x](benchmark::State& s) { showOurs(s, x); });
        benchmark::RegisterBenchmark(name("show_to_chars", i).c_str(),
                                     [x](benchmark::State& s) { showStandard(s, x); });
    }

    torrentix::bench::Collector results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    try {
        printSummary(results, shown);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "No summary (a filter left out a benchmark): %s\n", e.what());
    }
    return 0;
}

void printSummary(const torrentix::bench::Collector& results, const std::vector<double>& shown) {
    using torrentix::bench::Duration;
    using torrentix::bench::Ratio;
    const auto cpu = [&](const std::string& n) { return results[n].cpuSeconds; };
    const auto allocs = [&](const std::string& n) { return results[n].counters.at("allocs"); };

    // Ratios.
    std::printf("### Number rules (for information)\n\n");
    std::printf("Each call is tens of nanoseconds, a small part of a press of Solve; no goal rests "
                "on these.\n\n");
    std::printf("Reading: `TextToNumber` ÷ `std::from_chars` (double) on the same number.\n\n");
    std::printf("| text | ours ÷ standard (UTF-8) | ours ÷ standard (UTF-16, as the window reads) "
                "| allocations per call (ours) |\n|---|---|---|---|\n");
    for (std::size_t i = 0; i < readCases.size(); ++i) {
        const double r8 = cpu(name("read_ours", i)) / cpu(name("read_from_chars", i));
        const double r16 = cpu(name("read_ours_utf16", i)) / cpu(name("read_from_chars", i));
        const double a = std::max(allocs(name("read_ours", i)), allocs(name("read_ours_utf16", i)));
        std::printf("| `\"%s\"` | %s | %s | %g |\n", readCases[i].text, Ratio(r8).c_str(),
                    Ratio(r16).c_str(), a);
    }
    std::printf("\nDisplay: `NumberToText` ÷ `std::to_chars` (general, 15 significant digits, "
                "into a buffer).\n\n");
    std::printf("| value | text | ours ÷ standard | allocations per call (ours) |\n"
                "|---|---|---|---|\n");
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double r = cpu(name("show_ours", i)) / cpu(name("show_to_chars", i));
        std::printf("| %.17g | `%s` | %s | %g |\n", shown[i],
                    torrentix::NumberToText(shown[i]).c_str(), Ratio(r).c_str(),
                    allocs(name("show_ours", i)));
    }

    // Absolute figures.
    std::printf("@@absolute@@\n");
    std::printf("### Number rules: CPU time per call (median)\n\n");
    std::printf("| text | `TextToNumber` UTF-8 | `TextToNumber` UTF-16 | `std::from_chars` |\n"
                "|---|---|---|---|\n");
    for (std::size_t i = 0; i < readCases.size(); ++i)
        std::printf("| `\"%s\"` | %s | %s | %s |\n", readCases[i].text,
                    Duration(cpu(name("read_ours", i))).c_str(),
                    Duration(cpu(name("read_ours_utf16", i))).c_str(),
                    Duration(cpu(name("read_from_chars", i))).c_str());
    std::printf("\n| text | `NumberToText` | `std::to_chars` |\n|---|---|---|\n");
    for (std::size_t i = 0; i < shown.size(); ++i)
        std::printf("| `%s` | %s | %s |\n", torrentix::NumberToText(shown[i]).c_str(),
                    Duration(cpu(name("show_ours", i))).c_str(),
                    Duration(cpu(name("show_to_chars", i))).c_str());
}
