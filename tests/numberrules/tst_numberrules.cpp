// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The reading, display and power rules and what a press of Solve does, case by case.
#include "numberrules.h"
#include "solve.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

using namespace torrentix;

Q_DECLARE_METATYPE(std::string)

class TestNumberRules : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void readingOutOfRange_data();
    void readingOutOfRange();
    void readingLongTexts();
    void display_data();
    void display();
    void displaySeparator_data();
    void displaySeparator();
    void solve_data();
    void solve();
    void powerOutOfRange_data();
    void powerOutOfRange();
};

void TestNumberRules::reading_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");

    // Worked reading examples.
    QTest::newRow("leading blank") << QByteArray(" 12.5") << 12.5;
    QTest::newRow("blank inside") << QByteArray("1 2.5") << 12.5;
    QTest::newRow("percent ends") << QByteArray("80%") << 80.0;
    QTest::newRow("comma ends") << QByteArray("12,5") << 12.0;
    QTest::newRow("second point ends") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("exponent E") << QByteArray("1.5E3") << 1500.0;
    QTest::newRow("exponent e") << QByteArray("1.5e3") << 1500.0;
    QTest::newRow("plus sign") << QByteArray("+7") << 7.0;
    QTest::newRow("minus sign") << QByteArray("-5") << -5.0;
    QTest::newRow("hex") << QByteArray("&H1F") << 31.0;
    QTest::newRow("octal") << QByteArray("&O17") << 15.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << 0.0;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << 0.0;

    // Blanks, tabs and line feeds do not count anywhere; other white space ends the number.
    QTest::newRow("tab and line feed") << QByteArray("\t1\n2 ") << 12.0;
    QTest::newRow("blank after sign") << QByteArray("- 4") << -4.0;
    QTest::newRow("blank in exponent") << QByteArray("1 e 2") << 100.0;
    QTest::newRow("carriage return ends") << QByteArray("1\r2") << 1.0;
    QTest::newRow("vertical tab ends") << QByteArray("1\v2") << 1.0;
    QTest::newRow("NUL ends") << QByteArray("7\0"
                                            "8",
                                            3)
                              << 7.0;
    QTest::newRow("blanks only") << QByteArray("   ") << 0.0;

    // The mantissa and the exponent.
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("point last") << QByteArray("5.") << 5.0;
    QTest::newRow("exponent without digits") << QByteArray("2e") << 2.0;
    QTest::newRow("exponent sign without digits") << QByteArray("2e+") << 2.0;
    QTest::newRow("negative exponent") << QByteArray("25e-1") << 2.5;
    QTest::newRow("D is no exponent") << QByteArray("1.5D3") << 1.5;
    QTest::newRow("two signs") << QByteArray("+-3") << 0.0;
    QTest::newRow("leading zeros") << QByteArray("007.50") << 7.5;
    QTest::newRow("minus zero") << QByteArray("-0") << -0.0;
    QTest::newRow("nearest double") << QByteArray("0.1") << 0.1;
    QTest::newRow("halfway rounds to even") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("22nd power of ten") << QByteArray("1e22") << 1e22;
    QTest::newRow("23rd power of ten") << QByteArray("1e23") << 1e23;
    QTest::newRow("many fraction digits") << QByteArray("0.000001234") << 0.000001234;
    QTest::newRow("nineteen digits") << QByteArray("1234567890123456789") << 1234567890123456789.0;
    QTest::newRow("twenty digits") << QByteArray("12345678901234567890") << 12345678901234567890.0;
    // Twenty digits whose value is a multiple of 2^64 once wrapped to zero in 64 bits and read
    // as 0 (found by fuzzing).
    QTest::newRow("2^64 typed out") << QByteArray("18446744073709551616") << 18446744073709551616.0;
    QTest::newRow("twice 2^64") << QByteArray("36893488147419103232") << 36893488147419103232.0;
    QTest::newRow("2^64 and a zero")
        << QByteArray("184467440737095516160") << 184467440737095516160.0;
    QTest::newRow("2^64 after the point")
        << QByteArray("0.00018446744073709551616") << 0.00018446744073709551616;
    QTest::newRow("digits and exponent cancel") << QByteArray("123.45e-30") << 123.45e-30;
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("tiny reads as zero") << QByteArray("1e-400") << 0.0;
    QTest::newRow("negative tiny") << QByteArray("-1e-400") << -0.0;
    QTest::newRow("smallest subnormal")
        << QByteArray("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("huge exponent on zero") << QByteArray("0e999999999999999999999") << 0.0;
    QTest::newRow("huge negative exponent") << QByteArray("5e-99999999999999999999") << 0.0;
    // An exponent that just fits in 64 bits must not wrap when the digits move it (found by
    // fuzzing).
    QTest::newRow("largest 64-bit negative exponent")
        << QByteArray("0.001e-9223372036854775807") << 0.0;

    // Non-ASCII digits and letters are not part of a number.
    QTest::newRow("arabic-indic digits") << QByteArray("\xd9\xa3\xd9\xa4") << 0.0;
    QTest::newRow("fullwidth digit ends") << QByteArray("1\xef\xbc\x92") << 1.0;
    QTest::newRow("no-break space ends") << QByteArray("1\xc2\xa0"
                                                       "2")
                                         << 1.0;
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe"
                                                 "5")
                                   << 0.0;

    // "&H" and "&O": unsigned, of any length, rounded to the nearest double.
    QTest::newRow("hex lower case") << QByteArray("&hff") << 255.0;
    QTest::newRow("octal lower case") << QByteArray("&o777") << 511.0;
    QTest::newRow("hex no sign bit") << QByteArray("&HFFFF") << 65535.0;
    QTest::newRow("hex 32 bits") << QByteArray("&HFFFFFFFF") << 4294967295.0;
    QTest::newRow("hex 64 bits") << QByteArray("&HFFFFFFFFFFFFFFFF") << 18446744073709551616.0;
    QTest::newRow("hex 53 bits exact") << QByteArray("&H1FFFFFFFFFFFFF") << 9007199254740991.0;
    QTest::newRow("hex tie to even down") << QByteArray("&H20000000000001") << 9007199254740992.0;
    QTest::newRow("hex tie to even up") << QByteArray("&H20000000000003") << 9007199254740996.0;
    QTest::newRow("hex sticky rounds up")
        << QByteArray("&H200000000000010000000000000001") << std::ldexp(9007199254740994.0, 64);
    QTest::newRow("hex blanks") << QByteArray("& H 1 F") << 31.0;
    QTest::newRow("hex ends at non-digit") << QByteArray("&H1G2") << 1.0;
    QTest::newRow("hex without digits") << QByteArray("&H") << 0.0;
    QTest::newRow("octal ends at 8") << QByteArray("&O178") << 15.0;
    QTest::newRow("hex leading zeros") << QByteArray("&H0000000000000000000000001") << 1.0;
    QTest::newRow("ampersand alone") << QByteArray("&") << 0.0;
    QTest::newRow("ampersand other letter") << QByteArray("&B101") << 0.0;
    QTest::newRow("sign before ampersand") << QByteArray("-&H10") << 0.0;
    QTest::newRow("largest hex") << QByteArray("&H" + QByteArray("F").repeated(13) +
                                               QByteArray("8").repeated(1) +
                                               QByteArray("0").repeated(242))
                                 << std::numeric_limits<double>::max();
}

void TestNumberRules::reading() {
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    const double got = TextToNumber(std::string_view(text.constData(), text.size()));
    QCOMPARE(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(expected));

    // The same text as an input box holds it, in UTF-16.
    const QString wide = QString::fromUtf8(text);
    const double gotWide = TextToNumber(
        std::u16string_view(reinterpret_cast<const char16_t*>(wide.utf16()), wide.size()));
    QCOMPARE(std::bit_cast<std::uint64_t>(gotWide), std::bit_cast<std::uint64_t>(expected));
}

void TestNumberRules::readingOutOfRange_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("1e400") << QByteArray("1e400");
    QTest::newRow("negative") << QByteArray("-1e400");
    QTest::newRow("just above the largest") << QByteArray("1.7976931348623159e308");
    QTest::newRow("many digits") << QByteArray("1" + QByteArray(400, '0'));
    QTest::newRow("blanks inside") << QByteArray("1 e 4 0 0");
    QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999999");
    QTest::newRow("largest 64-bit exponent") << QByteArray("8352e9223372036854775807");
    QTest::newRow("hex") << QByteArray("&H1" + QByteArray(300, '0'));
    QTest::newRow("hex rounds up to overflow")
        << QByteArray("&H" + QByteArray("F").repeated(14) + QByteArray("C").repeated(1) +
                      QByteArray("0").repeated(241));
    QTest::newRow("octal") << QByteArray("&O1" + QByteArray(400, '0'));
}

void TestNumberRules::readingOutOfRange() {
    QFETCH(QByteArray, text);
    QVERIFY_THROWS_EXCEPTION(NumberOutOfRange,
                             TextToNumber(std::string_view(text.constData(), text.size())));
    const QString wide = QString::fromUtf8(text);
    QVERIFY_THROWS_EXCEPTION(NumberOutOfRange,
                             TextToNumber(std::u16string_view(
                                 reinterpret_cast<const char16_t*>(wide.utf16()), wide.size())));
}

void TestNumberRules::readingLongTexts() {
    // A megabyte typed or pasted in reads without trouble, whatever it holds.
    const std::string digits(1'000'000, '1');
    QVERIFY_THROWS_EXCEPTION(NumberOutOfRange, TextToNumber(digits));
    QCOMPARE(TextToNumber("0." + digits), TextToNumber("0.1111111111111111111111"));
    QCOMPARE(TextToNumber(std::string(1'000'000, ' ') + "42"), 42.0);
    QCOMPARE(TextToNumber(std::string(1'000'000, 'x')), 0.0);
    std::string spaced;
    for (int i = 0; i < 500'000; ++i)
        spaced += "0 ";
    QCOMPARE(TextToNumber(spaced + "3"), 3.0);
    QCOMPARE(TextToNumber("&H" + std::string(1'000'000, '0') + "A"), 10.0);
}

void TestNumberRules::display_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("kW example") << 4193.775 << "4193.775";
    QTest::newRow("X = -4 positional") << 0.000981 << "0.000981";
    QTest::newRow("X = -5 exponent") << 0.0000981 << "9.81E-05";
    QTest::newRow("X = -7") << 9.81e-7 << "9.81E-07";
    QTest::newRow("X = 16") << 9.81e16 << "9.81E+16";
    QTest::newRow("X = 13 positional") << 98100000000000.0 << "98100000000000";
    QTest::newRow("X = 14 positional") << 981000000000000.0 << "981000000000000";
    QTest::newRow("X = 15") << 1e15 << "1E+15";
    QTest::newRow("three-digit exponent") << 1.5e100 << "1.5E+100";
    QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
    QTest::newRow("negative") << -4193.775 << "-4193.775";
    QTest::newRow("negative exponent form") << -9.81e-7 << "-9.81E-07";
    QTest::newRow("15 digits") << 113330.109143804 << "113330.109143804";
    QTest::newRow("trailing zero dropped") << 12931.807334253 << "12931.807334253";
    QTest::newRow("0.1 shows short") << 0.1 << "0.1";
    QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("rounds up to next power") << 999999999999999.9 << "1E+15";
    QTest::newRow("rounds up inside positional") << 99999.99999999999 << "100000";
    // Exact values with a 5 as sixteenth and last digit: ties go to the even digit.
    QTest::newRow("tie stays even") << 1125899906842625.0 << "1.12589990684262E+15";
    QTest::newRow("tie rounds odd up") << 1125899906842635.0 << "1.12589990684264E+15";
    QTest::newRow("positional tie stays even") << 100000000000000.5 << "100000000000000";
    QTest::newRow("positional tie rounds odd up") << 100000000000001.5 << "100000000000002";
    QTest::newRow("five places before the point") << 1.23456789012345e-5 << "1.23456789012345E-05";
    QTest::newRow("just below 2^52") << 4503599627370495.5 << "4.5035996273705E+15";
    QTest::newRow("integer") << 42.0 << "42";
}

void TestNumberRules::display() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberToText(value)), expected);
}

void TestNumberRules::displaySeparator_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("comma") << 4193.775 << QByteArray(",") << QByteArray("4193,775");
    QTest::newRow("comma exponent") << 9.81e-7 << QByteArray(",") << QByteArray("9,81E-07");
    QTest::newRow("comma small") << 0.000981 << QByteArray(",") << QByteArray("0,000981");
    QTest::newRow("integer needs none") << 58.0 << QByteArray(",") << QByteArray("58");
    QTest::newRow("multi-byte") << -0.5 << QByteArray("\xd9\xab")
                                << QByteArray("-0\xd9\xab"
                                              "5");
}

void TestNumberRules::displaySeparator() {
    QFETCH(double, value);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);
    // The rules write a point; the window puts the user's separator in its place.
    std::string text = NumberToText(value);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator.constData(), static_cast<std::size_t>(separator.size()));
    QCOMPARE(QByteArray::fromStdString(text), expected);
    // The longest form: "-" + 15 digits + separator + "E-308" ("-0" + separator + "000" +
    // 15 digits is one shorter).
    QVERIFY(text.size() <= 1 + 15 + static_cast<std::size_t>(separator.size()) + 5);
}

void TestNumberRules::solve_data() {
    // A press of Solve: the four texts, the user's decimal separator, the window's reactions
    // in order (Z, N, E: the zero, negative and efficiency messages; M: the mistake text;
    // h: the results hidden) and the kW and MW texts, or "too large".
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("reactions");
    QTest::addColumn<QString>("kilowatts");
    QTest::addColumn<QString>("megawatts");
    const QString point = QStringLiteral(".");
    const QString none;
    const auto row = [&](const char* name, QStringList inputs, const QString& reactions,
                         const QString& kilowatts, const QString& megawatts = QString()) {
        QTest::newRow(name) << inputs << point << reactions << kilowatts << megawatts;
    };

    // Worked examples, all valid.
    row("10 50 90 95", {"10", "50", "90", "95"}, none, "4193.775", "4.193775");
    row("fixed order", {"401.7", "325.9", "33.3", "26.5"}, none, "113330.109143804",
        "113.330109143804");
    row("MW from stored P", {"317.8", "987", "60.48", "41.49"}, none, "772138.611413609",
        "772.138611413608");
    row("14 digits", {"49.603", "591.5", "11.34", "39.62"}, none, "12931.807334253",
        "12.931807334253");
    row("all ones", {"1", "1", "1", "1"}, none, "0.000981", "9.81E-07");
    row("1e8", {"1e8", "1e8", "100", "100"}, none, "9.81E+16", "98100000000000");
    row("58.86", {"2", "3", "100", "100"}, none, "58.86", "0.05886");
    row("blanks and percent", {" 1 0", "50", "90%", "95 %"}, none, "4193.775", "4.193775");
    row("hex and octal", {"&HA", "&O62", "90", "95"}, none, "4193.775", "4.193775");
    row("n 100 passes", {"10", "50", "100", "95"}, none, "4659.75", "4.65975");
    row("Q 80%", {"80%", "50", "90", "95"}, none, "33550.2", "33.5502");
    row("Q 12,5 with a point", {"12,5", "50", "90", "95"}, none, "5032.53", "5.03253");
    row("H has no upper bound", {"10", "1e6", "90", "95"}, none, "83875500", "83875.5");

    // The zero checks see only a lone "0"; anything else that reads as 0 is a mistake.
    row("Q zero", {"0", "50", "90", "95"}, "Zh Mh", "0", "0");
    row("all zero", {"0", "0", "0", "0"}, "Zh Zh Zh Zh Mh Mh Mh Mh", "0", "0");
    row("Q 0.0", {"0.0", "50", "90", "95"}, "Mh", "0", "0");
    row("Q 00", {"00", "50", "90", "95"}, "Mh", "0", "0");
    row("Q empty", {"", "50", "90", "95"}, "Mh", "0", "0");
    row("Q abc", {"abc", "50", "90", "95"}, "Mh", "0", "0");
    row("Q blank zero", {" 0", "50", "90", "95"}, "Mh", "0", "0");
    row("Q minus zero", {"-0", "50", "90", "95"}, "Mh", "0", "0");
    row("negative zero product", {"-10", "0", "90", "95"}, "Zh Nh Mh Mh", "0", "0");
    // Grouped by kind: zeros, then negatives, then efficiencies, each in box order.
    row("zero before negative", {"-1", "0", "90", "95"}, "Zh Nh Mh Mh", "0", "0");
    row("zeros and negatives grouped", {"-2", "0", "-7", "0"}, "Zh Zh Nh Nh Mh Mh Mh Mh", "0", "0");
    row("every kind at once", {"0", "-3", "250", "-1"}, "Zh Nh Nh Eh Mh Mh Mh M", "0", "0");
    row("all negative", {"-1", "-1", "-1", "-1"}, "Nh Nh Nh Nh Mh Mh Mh Mh", "0.000981",
        "9.81E-07");
    row("negative result", {"-10", "50", "90", "95"}, "Nh Mh", "-4193.775", "-4.193775");
    row("m -5", {"10", "50", "90", "-5"}, "Nh Mh", "-220.725", "-0.220725");
    // Over 100: the message hides, the second check only writes the mistake text.
    row("n 100.5", {"10", "50", "100.5", "95"}, "Eh M", "4683.04875", "4.68304875");
    row("n 1e3", {"10", "50", "1e3", "95"}, "Eh M", "46597.5", "46.5975");
    row("both efficiencies over", {"10", "50", "101", "200"}, "Eh Eh M M", "9908.1", "9.9081");

    // Odd text reads as far as it is a number, and is never refused for its size.
    row("megabyte of letters", {QString(1'000'000, 'x'), "50", "90", "95"}, "Mh", "0", "0");
    row("megabyte of blanks then 10", {QString(1'000'000, ' ') + "10", "50", "90", "95"}, none,
        "4193.775", "4.193775");
    row("megabyte of zeros then 10", {QString(1'000'000, '0') + "10", "50", "90", "95"}, none,
        "4193.775", "4.193775");
    row("10 then a megabyte of fraction digits",
        {"10." + QString(1'000'000, '0'), "50", "90", "95"}, none, "4193.775", "4.193775");
    row("control characters", {QStringLiteral("1\x01\x02\x1b") + "0", "50", "90", "95"}, none,
        "419.3775", "0.4193775");
    row("carriage return", {QStringLiteral("10\r\n5"), "50", "90", "95"}, none, "4193.775",
        "4.193775");
    row("arabic-indic digits", {QStringLiteral(u"\u0661\u0660"), "50", "90", "95"}, "Mh", "0", "0");
    row("fullwidth digits", {QStringLiteral(u"\uff11\uff10"), "50", "90", "95"}, "Mh", "0", "0");
    row("digits then devanagari", {QStringLiteral(u"10\u0967"), "50", "90", "95"}, none, "4193.775",
        "4.193775");
    row("surrogate pair", {QStringLiteral(u"\U0001F600"), "50", "90", "95"}, "Mh", "0", "0");
    row("lone surrogate", {QString(QChar(0xD800)) + "10", "50", "90", "95"}, "Mh", "0", "0");
    row("NUL inside", {QString("10") + QChar(0) + "99", "50", "90", "95"}, none, "4193.775",
        "4.193775");
    row("right-to-left mark", {QStringLiteral(u"\u200f10"), "50", "90", "95"}, "Mh", "0", "0");

    // Beyond the double range the press stops where the number is read or the product made.
    row("typed Q too large", {"1e400", "50", "90", "95"}, none, "too large");
    row("too large after a zero check", {"10", "0", "90", "1e999"}, "Zh", "too large");
    row("too large after Q's negative check", {"-1", "1e999", "90", "95"}, "Nh", "too large");
    row("hex too large", {"&H1" + QString(300, '0'), "1", "1", "1"}, none, "too large");
    row("megabyte of digits", {QString(1'000'000, '7'), "1", "1", "1"}, none, "too large");
    row("product t2", {"1E+154", "1E+154", "100", "100"}, none, "too large");
    row("product with a refused input", {"1e300", "1e300", "-1", "100"}, "Nh Mh", "too large");

    // The user's separator: written in the results, and read as a point when typed.
    QTest::newRow("comma typed back") << QStringList{"401,7", "325.9", "33,3", "26,5"}
                                      << QStringLiteral(",") << none << "113330,109143804"
                                      << "113,330109143804";
    QTest::newRow("comma, exponent form")
        << QStringList{"1", "1", "1", "1"} << QStringLiteral(",") << none << "0,000981"
        << "9,81E-07";
    QTest::newRow("two-character separator")
        << QStringList{"12::5", "100", "50", "50"} << QStringLiteral("::") << none << "3065::625"
        << "3::065625";
}

void TestNumberRules::solve() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, separator);
    QFETCH(QString, reactions);
    QFETCH(QString, kilowatts);
    QFETCH(QString, megawatts);
    const auto view = [](const QString& text) {
        return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    };
    const SolveOutcome outcome = Solve(
        {view(inputs[0]), view(inputs[1]), view(inputs[2]), view(inputs[3])}, view(separator));

    QString seen;
    for (const Reaction reaction : outcome.reactions) {
        switch (reaction) {
        case Reaction::ZeroMessage:
            seen += QStringLiteral(" Z");
            break;
        case Reaction::NegativeMessage:
            seen += QStringLiteral(" N");
            break;
        case Reaction::EfficiencyMessage:
            seen += QStringLiteral(" E");
            break;
        case Reaction::MistakeText:
            seen += QStringLiteral(" M");
            break;
        case Reaction::HideResults:
            seen += QStringLiteral("h");
            break;
        }
    }
    QCOMPARE(seen.trimmed(), reactions);
    if (kilowatts == QLatin1String("too large")) {
        QVERIFY(outcome.tooLarge);
        QVERIFY(outcome.kilowatts.empty() && outcome.megawatts.empty());
        return;
    }
    QVERIFY(!outcome.tooLarge);
    QCOMPARE(QString::fromStdU16String(outcome.kilowatts), kilowatts);
    QCOMPARE(QString::fromStdU16String(outcome.megawatts), megawatts);
}

void TestNumberRules::powerOutOfRange_data() {
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("m");
    QTest::newRow("t2 overflows") << 1e154 << 1e154 << 100.0 << 100.0;
    QTest::newRow("t1 overflows") << 1e308 << 1.0 << 100.0 << 100.0;
    QTest::newRow("t4 overflows") << 1e300 << 1e7 << 1e6 << 1.0;
    QTest::newRow("P overflows") << 1e300 << 1e7 << 100.0 << 1e6;
    QTest::newRow("negative overflow") << -1e300 << 1e300 << 100.0 << 100.0;
}

void TestNumberRules::powerOutOfRange() {
    QFETCH(double, q);
    QFETCH(double, h);
    QFETCH(double, n);
    QFETCH(double, m);
    QVERIFY_THROWS_EXCEPTION(NumberOutOfRange, PowerKilowatts(q, h, n, m));
}

QTEST_APPLESS_MAIN(TestNumberRules)
#include "tst_numberrules.moc"
