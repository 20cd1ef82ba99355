// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Our reading and display against glibc's strtod and printf, which are built on different
// code (the rules use std::from_chars and std::to_chars), over many random cases.
#include "numbercases.h"
#include "numberreference.h"
#include "numberrules.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

using namespace torrentix;
using namespace torrentix::generated;

namespace {

constexpr int cases = 120'000;

} // namespace

class TestNumberRulesDifferential : public QObject {
    Q_OBJECT
private slots:
    void displayMatchesPrintf();
    void displayRoundsTiesToEven();
    void readingMatchesStrtod();
    void displayedTextReadsBack();
};

void TestNumberRulesDifferential::displayMatchesPrintf() {
    std::mt19937_64 rng(20261208);
    for (int i = 0; i < cases; ++i) {
        const double x = randomDouble(rng);
        const std::string ours = NumberToText(x);
        const std::string reference = reference::Display(x);
        if (ours != reference)
            QFAIL(qPrintable(
                QStringLiteral("%1: ours %2, printf %3")
                    .arg(std::bit_cast<std::uint64_t>(x), 16, 16, QLatin1Char('0'))
                    .arg(QString::fromStdString(ours), QString::fromStdString(reference))));
    }
}

void TestNumberRulesDifferential::displayRoundsTiesToEven() {
    std::mt19937_64 rng(42);
    for (int i = 0; i < cases / 4; ++i) {
        const std::uint64_t v = halfwayInteger(rng);
        std::uint64_t kept = v / 10;
        if (kept % 2 != 0)
            ++kept; // the tie goes to the even digit
        const double sign = (rng() & 1) ? 1.0 : -1.0;
        const double x = sign * static_cast<double>(v);
        QCOMPARE(NumberToText(x), NumberToText(sign * static_cast<double>(kept * 10)));
        QCOMPARE(NumberToText(x), reference::Display(x));
    }
}

void TestNumberRulesDifferential::readingMatchesStrtod() {
    std::mt19937_64 rng(7);
    for (int i = 0; i < cases; ++i) {
        const std::string text = randomText(rng);
        double expected = 0;
        const bool inRange = reference::Read(text, expected);
        if (!inRange) {
            QVERIFY_THROWS_EXCEPTION(NumberOutOfRange, TextToNumber(text));
            continue;
        }
        const double ours = TextToNumber(text);
        if (std::bit_cast<std::uint64_t>(ours) != std::bit_cast<std::uint64_t>(expected))
            QFAIL(qPrintable(QStringLiteral("\"%1\": ours %2, strtod %3")
                                 .arg(QString::fromStdString(text))
                                 .arg(ours, 0, 'g', 17)
                                 .arg(expected, 0, 'g', 17)));
    }
}

void TestNumberRulesDifferential::displayedTextReadsBack() {
    // What is shown reads back to within half a unit of its fifteenth digit.
    std::mt19937_64 rng(99);
    for (int i = 0; i < cases; ++i) {
        const double x = randomDouble(rng);
        const double back = TextToNumber(NumberToText(x));
        if (std::fpclassify(x) == FP_SUBNORMAL)
            continue; // fewer than 15 digits of precision there
        // Half a unit of the fifteenth digit, plus the rounding of reading it back.
        const double ulp = std::fabs(std::nextafter(x, 0.0) - x);
        QVERIFY2(std::fabs(back - x) <= std::fabs(x) * 5e-15 + ulp, NumberToText(x).c_str());
    }
}

QTEST_APPLESS_MAIN(TestNumberRulesDifferential)
#include "tst_numberrules_differential.moc"
