// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A press of Solve on the real calculator window, opened through the program's own shell on
// Qt's offscreen platform, with message boxes recorded instead of shown. Nothing is
// painted inside the timed loop: no events are processed there. Prints Google Benchmark's
// table to stderr and a summary in Markdown (ratios to the goals, then absolute figures)
// to stdout.
#include "allocations.h"
#include "collector.h"
#include "messages.h"
#include "program.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

using torrentix::bench::Allocations;

namespace {

struct Inputs {
    std::string name;
    QString q, h, n, m;
    std::string what;
};

constexpr qsizetype megabyte = 1'000'000;

std::vector<Inputs> validInputs() {
    return {
        {"valid/0", "10", "50", "90", "95", "10, 50, 90, 95"},
        {"valid/1", "401.7", "325.9", "33.3", "26.5", "401.7, 325.9, 33.3, 26.5"},
        {"valid/2", "317.8", "987", "60.48", "41.49", "317.8, 987, 60.48, 41.49"},
        {"valid/3", " 12.5", "1.5E3", "&H1F", "80%", "\" 12.5\", \"1.5E3\", \"&H1F\", \"80%\""},
    };
}

// Each input can fail two checks at most; both sets fail eight of the sixteen.
std::vector<Inputs> failingInputs() {
    return {
        {"failing/0", "0", "0", "0", "0", "0, 0, 0, 0: four zero messages, four mistakes"},
        {"failing/1", "0", "-1", "150", "-5",
         "0, -1, 150, -5: a message of each kind, four mistakes"},
    };
}

std::vector<Inputs> megabyteInputs() {
    const QString digits = QStringLiteral("0.") + QString(megabyte - 2, QLatin1Char('7'));
    const QString blanks = QString(megabyte - 4, QLatin1Char(' ')) + QStringLiteral("12.5");
    const QString letters(megabyte, QLatin1Char('x'));
    const QString tooLarge(megabyte, QLatin1Char('9'));
    return {
        {"megabyte/0", digits, "50", "90", "95", "Q = \"0.777…\", a million digits"},
        {"megabyte/1", blanks, "50", "90", "95", "Q = a million blanks less four, then 12.5"},
        {"megabyte/2", letters, "50", "90", "95", "Q = a million letters"},
        {"megabyte/3", tooLarge, "50", "90", "95",
         "Q = a million nines: too large, the press stops at check 5"},
    };
}

struct Window {
    QWidget* window = nullptr;
    QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
};

Window calculator;
std::uint64_t messagesShown = 0;

void press(benchmark::State& state, const Inputs& in) {
    calculator.button("Command2")->click(); // Reset: every label visible again
    calculator.box("Txt_Q")->setText(in.q);
    calculator.box("Txt_H")->setText(in.h);
    calculator.box("Txt_n")->setText(in.n);
    calculator.box("Txt_m")->setText(in.m);
    QPushButton* const solve = calculator.button("Command1");
    QCoreApplication::processEvents(); // paint the new texts now, not in the loop

    const std::uint64_t allocationsBefore = Allocations();
    const std::uint64_t messagesBefore = messagesShown;
    for (auto _ : state)
        solve->click();
    state.counters["allocs"] = benchmark::Counter(
        static_cast<double>(Allocations() - allocationsBefore), benchmark::Counter::kAvgIterations);
    state.counters["messages"] = benchmark::Counter(
        static_cast<double>(messagesShown - messagesBefore), benchmark::Counter::kAvgIterations);
    QCoreApplication::processEvents();
}

void printSummary(const torrentix::bench::Collector& results) {
    using torrentix::bench::Duration;
    using torrentix::bench::Ratio;
    double worstValid = 0, worstMegabyte = 0;
    for (const Inputs& in : validInputs())
        worstValid = std::max(worstValid, results[in.name].cpuSeconds);
    for (const Inputs& in : megabyteInputs())
        worstMegabyte = std::max(worstMegabyte, results[in.name].cpuSeconds);

    std::printf("### A press of Solve\n\n");
    std::printf("| goal | measured (slowest case) | ÷ goal | |\n|---|---|---|---|\n");
    std::printf("| valid inputs ≤ 20 µs per press | %s | %s | %s |\n", Duration(worstValid).c_str(),
                Ratio(worstValid / 20e-6).c_str(), worstValid <= 20e-6 ? "met" : "**missed**");
    std::printf("| a 1,000,000-character input ≤ 10 ms per press | %s | %s | %s |\n",
                Duration(worstMegabyte).c_str(), Ratio(worstMegabyte / 10e-3).c_str(),
                worstMegabyte <= 10e-3 ? "met" : "**missed**");

    std::printf("@@absolute@@\n");
    std::printf("### A press of Solve: CPU time per press (median)\n\n");
    std::printf("| inputs (Q, H, n, m) | time | message boxes | heap allocations |\n"
                "|---|---|---|---|\n");
    for (const auto& group : {validInputs(), failingInputs(), megabyteInputs()}) {
        for (const Inputs& in : group) {
            const torrentix::bench::Measured& m = results[in.name];
            std::printf("| %s | %s | %g | %.1f |\n", in.what.c_str(),
                        Duration(m.cpuSeconds).c_str(), m.counters.at("messages"),
                        m.counters.at("allocs"));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    torrentix::SetUpApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);

    torrentix::Program program;
    const torrentix::MessageRecorder recorder(
        [](const QString&, const QString&) { ++messagesShown; });
    program.Instance(torrentix::WindowKind::Hydropower).Show();
    calculator.window = program.Instance(torrentix::WindowKind::Hydropower).window();
    QCoreApplication::processEvents();

    std::vector<Inputs> all;
    for (const auto& group : {validInputs(), failingInputs(), megabyteInputs()})
        all.insert(all.end(), group.begin(), group.end());
    for (const Inputs& in : all) {
        auto* b = benchmark::RegisterBenchmark(in.name.c_str(),
                                               [in](benchmark::State& s) { press(s, in); });
        b->Unit(benchmark::kMicrosecond);
    }

    torrentix::bench::Collector results;
    benchmark::RunSpecifiedBenchmarks(&results);
    benchmark::Shutdown();
    try {
        printSummary(results);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "No summary (a filter left out a benchmark): %s\n", e.what());
    }
    return 0;
}
