// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between the calculator and the reference windows, and when the program ends.
#include "programfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>

using namespace torrentix;
using namespace torrentix::testing;

namespace {
const char* const inputs[] = {"Txt_Q", "Txt_H", "Txt_n", "Txt_m"};
const char* const results[] = {"Lbl_v", "Lbl_v2", "Lbl_y", "Lbl_n", "Lbl_q", "Lbl_o"};

// Types a plant into the calculator and solves it.
void typeAndSolve(RunningProgram& program) {
    QWidget* calculator = program.window(Calculator);
    const char* const values[] = {"10", "20", "90", "80"};
    for (int i = 0; i < 4; ++i) {
        auto* box = calculator->findChild<QLineEdit*>(QString::fromLatin1(inputs[i]));
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, QString::fromLatin1(values[i]));
    }
    program.press(Calculator, "Command1");
    QCOMPARE(calculator->findChild<QLabel*>(QStringLiteral("Lbl_v"))->text(), "1412.64");
}

// Everything the calculator shows: the inputs, then each result label's text and visibility.
QStringList calculatorState(RunningProgram& program) {
    QStringList state;
    QWidget* calculator = program.window(Calculator);
    if (calculator == nullptr)
        return state;
    for (const char* name : inputs)
        state << calculator->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    for (const char* name : results) {
        const auto* label = calculator->findChild<QLabel*>(QString::fromLatin1(name));
        state << label->text() + (label->isVisibleTo(calculator) ? "" : " (hidden)");
    }
    return state;
}

QWidget* child(QWidget* window, const char* name) {
    return window ? window->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
}

QPoint screenCentre() {
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void startsOnCalculatorOnly();
    void openTwiceGivesOneWindow_data();
    void openTwiceGivesOneWindow();
    void allWindowsOpenTogether();
    void reopenGivesDesignedState_data();
    void reopenGivesDesignedState();
    void returnLeavesCalculatorAsItWas_data();
    void returnLeavesCalculatorAsItWas();
    void exitLeavesReferenceWindow_data();
    void exitLeavesReferenceWindow();
    void programEndsWithLastWindow_data();
    void programEndsWithLastWindow();
    void mainPageAfterExitGivesEmptyCalculator_data();
    void mainPageAfterExitGivesEmptyCalculator();
};

void TestNavigation::startsOnCalculatorOnly() {
    RunningProgram program;
    QVERIFY(program.loaded(Calculator));
    for (WindowKind kind : {Formula, Diagram, About}) {
        QVERIFY(!program.loaded(kind));
        QCOMPARE(RunningProgram::count(kind), 0);
    }
}

void TestNavigation::openTwiceGivesOneWindow_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("formula") << Formula;
    QTest::newRow("diagram") << Diagram;
    QTest::newRow("about") << About;
}

void TestNavigation::openTwiceGivesOneWindow() {
    QFETCH(WindowKind, kind);
    RunningProgram program;
    program.press(Calculator, opener(kind));
    QWidget* first = program.window(kind);
    QVERIFY(first != nullptr);
    QVERIFY(first->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(first));

    // The user moves the window, tabs to its button, then goes back to the calculator.
    first->move(first->pos() + QPoint(40, 30));
    const QPoint moved = first->pos();
    QWidget* button = child(first, "Command1");
    button->setFocus();
    program.window(Calculator)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.window(Calculator)));

    program.press(Calculator, opener(kind));
    QCOMPARE(program.window(kind), first);
    QCOMPARE(RunningProgram::count(kind), 1);
    QVERIFY(QTest::qWaitForWindowActive(first));
    QCOMPARE(first->pos(), moved);
    QCOMPARE(first->focusWidget(), button);
    QVERIFY(program.loaded(Calculator));
}

void TestNavigation::allWindowsOpenTogether() {
    RunningProgram program;
    for (WindowKind kind : {Formula, Diagram, About})
        program.press(Calculator, opener(kind));
    // The calculator is not blocked by the others: typing and Solve still work.
    program.window(Calculator)->activateWindow();
    typeAndSolve(program);
    QCOMPARE(calculatorState(program), QStringList({"10", "20", "90", "80", "1412.64", "1.41264",
                                                    "or", "Available Power", "kW", "MW"}));
    for (WindowKind kind : {Calculator, Formula, Diagram, About}) {
        QVERIFY(program.window(kind) != nullptr);
        QVERIFY(program.window(kind)->isVisible());
        QVERIFY(program.window(kind)->parentWidget() == nullptr);
        QCOMPARE(program.window(kind)->windowModality(), Qt::NonModal);
        QCOMPARE(RunningProgram::count(kind), 1);
    }
}

void TestNavigation::reopenGivesDesignedState_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<bool>("fromFrame");
    QTest::newRow("formula by Main page") << Formula << false;
    QTest::newRow("formula from frame") << Formula << true;
    QTest::newRow("diagram by Main page") << Diagram << false;
    QTest::newRow("diagram from frame") << Diagram << true;
    QTest::newRow("about by Close") << About << false;
    QTest::newRow("about from frame") << About << true;
}

void TestNavigation::reopenGivesDesignedState() {
    QFETCH(WindowKind, kind);
    QFETCH(bool, fromFrame);
    RunningProgram program;
    program.press(Calculator, opener(kind));
    QPointer<QWidget> old = program.window(kind);
    QVERIFY(QTest::qWaitForWindowActive(old));
    old->move(5, 5);
    child(old, "Command1")->setFocus();

    if (fromFrame)
        program.closeFrame(kind);
    else
        program.press(kind, "Command1");
    QVERIFY(old.isNull());
    QVERIFY(!program.loaded(kind));
    QCOMPARE(RunningProgram::count(kind), 0);
    QCOMPARE(program.ends, 0);

    program.press(Calculator, opener(kind));
    QWidget* again = program.window(kind);
    QVERIFY(again != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(again));
    // Centred again, not where the user left it (the frame's width blurs it a little).
    QVERIFY((again->geometry().center() - screenCentre()).manhattanLength() <= 8);
    QCOMPARE(again->focusWidget(), child(again, "Picture1"));
    QCOMPARE(RunningProgram::count(kind), 1);
}

void TestNavigation::returnLeavesCalculatorAsItWas_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<bool>("fromFrame");
    QTest::newRow("formula Main page") << Formula << false;
    QTest::newRow("formula frame") << Formula << true;
    QTest::newRow("diagram Main page") << Diagram << false;
    QTest::newRow("diagram frame") << Diagram << true;
    QTest::newRow("about Close") << About << false;
    QTest::newRow("about frame") << About << true;
}

void TestNavigation::returnLeavesCalculatorAsItWas() {
    QFETCH(WindowKind, kind);
    QFETCH(bool, fromFrame);
    RunningProgram program;
    typeAndSolve(program);
    // Half-typed input beside a shown result must survive too.
    QTest::keyClicks(child(program.window(Calculator), "Txt_Q"), "5");
    const QStringList before = calculatorState(program);
    QWidget* calculator = program.window(Calculator);

    // The calculator ends up behind two other windows.
    const WindowKind other = kind == About ? Formula : About;
    program.press(Calculator, opener(other));
    program.press(Calculator, opener(kind));
    QVERIFY(QTest::qWaitForWindowActive(program.window(kind)));

    if (fromFrame)
        program.closeFrame(kind);
    else
        program.press(kind, "Command1");
    QVERIFY(!program.loaded(kind));
    QCOMPARE(program.window(Calculator), calculator);
    QCOMPARE(calculatorState(program), before);
    QVERIFY(program.loaded(other));
    QVERIFY(program.window(other)->isVisible());
    QCOMPARE(program.ends, 0);
    if (kind != About && !fromFrame) {
        // Main page brings the calculator to the front.
        QVERIFY(QTest::qWaitForWindowActive(calculator));
    }
}

void TestNavigation::exitLeavesReferenceWindow_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<bool>("calculatorFromFrame");
    QTest::addColumn<bool>("referenceFromFrame");
    // Main page would bring the calculator back, so formula and diagram close from the frame.
    QTest::newRow("about: Exit, Close") << About << false << false;
    QTest::newRow("about: calculator frame, Close") << About << true << false;
    QTest::newRow("about: Exit, about frame") << About << false << true;
    QTest::newRow("formula: Exit, formula frame") << Formula << false << true;
    QTest::newRow("diagram: calculator frame, diagram frame") << Diagram << true << true;
}

void TestNavigation::exitLeavesReferenceWindow() {
    QFETCH(WindowKind, kind);
    QFETCH(bool, calculatorFromFrame);
    QFETCH(bool, referenceFromFrame);
    RunningProgram program;
    program.press(Calculator, opener(kind));
    QWidget* reference = program.window(kind);

    if (calculatorFromFrame)
        program.closeFrame(Calculator);
    else
        program.press(Calculator, "Command5");
    QVERIFY(!program.loaded(Calculator));
    QCOMPARE(RunningProgram::count(Calculator), 0);
    QCOMPARE(program.window(kind), reference);
    QVERIFY(reference->isVisible());
    QCOMPARE(program.ends, 0);

    if (referenceFromFrame)
        program.closeFrame(kind);
    else
        program.press(kind, "Command1");
    QCOMPARE(program.ends, 1);
    QVERIFY(!program.anyLoaded());
    QCOMPARE(RunningProgram::count(kind), 0);
}

void TestNavigation::programEndsWithLastWindow_data() {
    QTest::addColumn<QList<WindowKind>>("open");
    QTest::newRow("calculator alone") << QList<WindowKind>{};
    QTest::newRow("formula and about") << QList<WindowKind>{Formula, About};
    QTest::newRow("all three, about first") << QList<WindowKind>{About, Diagram, Formula};
}

void TestNavigation::programEndsWithLastWindow() {
    QFETCH(QList<WindowKind>, open);
    RunningProgram program;
    for (WindowKind kind : open)
        program.press(Calculator, opener(kind));
    program.press(Calculator, "Command5");
    for (WindowKind kind : open) {
        QCOMPARE(program.ends, 0);
        program.closeFrame(kind);
    }
    // Exactly one end, and only once nothing is loaded.
    QCOMPARE(program.ends, 1);
    QVERIFY(!program.anyLoaded());
}

void TestNavigation::mainPageAfterExitGivesEmptyCalculator_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("diagram") << Diagram;
    QTest::newRow("formula") << Formula;
}

void TestNavigation::mainPageAfterExitGivesEmptyCalculator() {
    QFETCH(WindowKind, kind);
    RunningProgram program;
    typeAndSolve(program);
    WindowInstance* slot = &program.program.Instance(Calculator);
    QPointer<QWidget> first = program.window(Calculator);
    program.press(Calculator, opener(kind));
    program.press(Calculator, "Command5");
    QVERIFY(first.isNull());

    program.press(kind, "Command1");
    QCOMPARE(&program.program.Instance(Calculator), slot);
    QWidget* calculator = program.window(Calculator);
    QVERIFY(calculator != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    QCOMPARE(calculatorState(program),
             QStringList({"", "", "", "", "", "", "", "Available Power", "kW", "MW"}));
    QVERIFY(!program.loaded(kind));
    QCOMPARE(RunningProgram::count(kind), 0);
    QCOMPARE(RunningProgram::count(Calculator), 1);
    QCOMPARE(program.ends, 0);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
