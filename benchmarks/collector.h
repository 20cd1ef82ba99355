// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Google Benchmark's console output goes to stderr as usual; this reporter also keeps the
// median of each benchmark (or its only run) so a program can print ratios at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace torrentix::bench {

struct Measured {
    double cpuSeconds = 0;  // CPU time per iteration
    double realSeconds = 0; // wall time per iteration
    std::map<std::string, double> counters;
};

class Collector : public benchmark::ConsoleReporter {
public:
    Collector();
    void ReportRuns(const std::vector<Run>& runs) override;

    // The result of a benchmark by its name; throws if it did not run.
    const Measured& operator[](const std::string& name) const;

private:
    std::map<std::string, Measured> results_;
    std::map<std::string, bool> fromMedian_;
};

// "12.3 ns", "4.56 µs", "7.89 ms": a duration in seconds, readably.
std::string Duration(double seconds);
// "1.23×"
std::string Ratio(double ratio);

} // namespace torrentix::bench
