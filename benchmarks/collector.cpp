// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "collector.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>

namespace torrentix::bench {

namespace {
// Google Benchmark 1.8 turned error_occurred into skipped; Debian 12 has 1.7, Debian 13 1.9.
template <typename Run>
bool failed(const Run& run) {
    if constexpr (requires { run.skipped; })
        return static_cast<bool>(run.skipped);
    else
        return run.error_occurred;
}
} // namespace

Collector::Collector() {
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
}

void Collector::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (failed(run))
            continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        const std::string name = run.run_name.str();
        // A median, once there, beats single repetitions of the same benchmark.
        if (!median && fromMedian_[name])
            continue;
        const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
        Measured& m = results_[name];
        m.cpuSeconds = run.GetAdjustedCPUTime() / perSecond;
        m.realSeconds = run.GetAdjustedRealTime() / perSecond;
        m.counters.clear();
        for (const auto& [key, counter] : run.counters)
            m.counters[key] = counter.value;
        fromMedian_[name] = median;
    }
}

const Measured& Collector::operator[](const std::string& name) const {
    const auto found = results_.find(name);
    if (found == results_.end())
        throw std::runtime_error("benchmark did not run: " + name);
    return found->second;
}

std::string Duration(double seconds) {
    char text[32];
    if (seconds < 1e-6)
        std::snprintf(text, sizeof text, "%.1f ns", seconds * 1e9);
    else if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    return text;
}

std::string Ratio(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f×", ratio);
    return text;
}

} // namespace torrentix::bench
