// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session through the program's own windows, written to be run under valgrind's
// memcheck (and under the sanitizers): open every window the program registers, type, solve,
// reset, close them all with their own buttons and end. Whatever it leaves allocated, or
// touches after freeing, shows up there; this driver only checks that the session really
// went the way a user's would.
#include "programfixture.h"

#include <algorithm>

using namespace torrentix;
using namespace torrentix::testing;

namespace {

constexpr WindowKind referenceWindows[] = {WindowKind::HydroPowerFormula, WindowKind::Diagram,
                                           WindowKind::About};

void click(QWidget* window, const char* button) {
    auto* control = window->findChild<QPushButton*>(button);
    QVERIFY2(control != nullptr, button);
    QTest::mouseClick(control, Qt::LeftButton);
}

} // namespace

class TestMemcheck : public QObject {
    Q_OBJECT
private slots:
    void session_data();
    void session();
};

void TestMemcheck::session_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("kilowatts"); // Lbl_v after Solve; empty when nothing is shown
    QTest::addColumn<bool>("closeBox");     // end with the close box instead of Exit

    QTest::newRow("good inputs") << QStringList{"10", "50", "90", "95"} << "4193.775" << false;
    // Every kind of check fails: zero, negative, above 100, no number.
    QTest::newRow("failed checks") << QStringList{"0", "-5", "150", "abc"} << "0" << true;
    // Beyond the double range: the last-resort handler reports it, nothing is shown.
    QTest::newRow("out of range") << QStringList{"1e200", "1e200", "100", "100"} << QString()
                                  << false;
    QTest::newRow("hex, blanks and noise")
        << QStringList{"&H1F", " 1 2.5", "80%", "95\xd9\xa3"} << "2889.045" << true;
}

void TestMemcheck::session() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, kilowatts);
    QFETCH(bool, closeBox);

    RunningProgram program;
    WindowInstance& calculator = program.program.Instance(WindowKind::Hydropower);
    QWidget* const window = program.calculator;
    QVERIFY(window != nullptr);
    QVERIFY(!window->grab().isNull());

    // Every reference window the program has, opened with the calculator's buttons.
    int opened = 0;
    for (WindowKind kind : referenceWindows) {
        click(window, opener(kind));
        QVERIFY2(program.loaded(kind), opener(kind));
        QVERIFY(!program.window(kind)->grab().isNull()); // paint it once
        ++opened;
    }
    qInfo("reference windows opened: %d", opened);

    const char* const boxes[] = {"Txt_Q", "Txt_H", "Txt_n", "Txt_m"};
    for (int i = 0; i < 4; ++i) {
        auto* box = window->findChild<QLineEdit*>(boxes[i]);
        QVERIFY(box != nullptr);
        box->setFocus();
        // Typed key by key; what no key of a Latin keyboard gives is pasted.
        const bool latin1 = std::all_of(inputs[i].begin(), inputs[i].end(),
                                        [](QChar c) { return c.unicode() < 0x100; });
        if (latin1)
            QTest::keyClicks(box, inputs[i]);
        else
            box->insert(inputs[i]);
        QCOMPARE(box->text(), inputs[i]);
    }
    auto* const result = window->findChild<QLabel*>("Lbl_v");
    QVERIFY(result != nullptr);

    click(window, "Command1"); // Solve
    QCOMPARE(result->text(), kilowatts);
    QVERIFY(!window->grab().isNull());
    if (kilowatts.isEmpty())
        QVERIFY(!program.messages().isEmpty());
    click(window, "Command1"); // and again: the second press rewrites what the first wrote
    click(window, "Command2"); // Reset
    QVERIFY(result->text().isEmpty());
    QVERIFY(window->findChild<QLineEdit*>("Txt_Q")->text().isEmpty());
    click(window, "Command1"); // Solve on empty inputs
    qInfo("messages: %lld", static_cast<long long>(program.messages().size()));

    // Each reference window closes with its own button.
    for (WindowKind kind : referenceWindows) {
        click(program.window(kind), "Command1");
        QVERIFY(!program.loaded(kind));
        flushUnloads();
    }
    QVERIFY(calculator.loaded());
    QCOMPARE(program.ends, 0);

    if (closeBox)
        window->close();
    else
        click(window, "Command5"); // Exit
    QVERIFY(!calculator.loaded());
    QCOMPARE(program.ends, 1);
    flushUnloads();
    // Qt keeps every top-level widget in a list of its own, so a window that is hidden but
    // never deleted would not count as lost in memcheck's report: look for it here.
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

QTEST_MAIN(TestMemcheck)
#include "tst_memcheck.moc"
