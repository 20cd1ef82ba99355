// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window slots: loaded by Show, destroyed by Unload or the close box, and the end of the
// program when the last window goes.
#include "formstesting.h"
#include "guard.h"
#include "messages.h"
#include "windowinstance.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace torrentix;
using torrentix::testing::flushUnloads;

namespace {
// Stand-in windows that count how often they are built.
WindowInstance::Factory counting(int& built) {
    return [&built] {
        ++built;
        auto window = std::make_unique<QWidget>();
        window->resize(200, 100);
        new QLineEdit(window.get()); // some state a user could change
        return window;
    };
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Torrentix")); }
    void newSlotIsNotLoaded();
    void showLoadsOnceAndKeepsState();
    void unloadDestroysAndShowRebuilds_data();
    void unloadDestroysAndShowRebuilds();
    void programEndsWithLastWindow();
    void failingWindowGoesToLastResort();
};

void TestShell::newSlotIsNotLoaded() {
    int built = 0;
    WindowInstance first(counting(built));
    // A slot shows nothing and builds no window until it is shown.
    QVERIFY(!first.loaded());
    QCOMPARE(first.window(), nullptr);
    QCOMPARE(built, 0);
}

void TestShell::showLoadsOnceAndKeepsState() {
    int built = 0;
    WindowInstance about(counting(built));
    about.Show();
    QVERIFY(about.loaded());
    QVERIFY(about.window()->isVisible());
    about.window()->findChild<QLineEdit*>()->setText("typed");
    about.window()->showMinimized();
    about.Show();
    QCOMPARE(built, 1);
    QCOMPARE(about.window()->findChild<QLineEdit*>()->text(), QStringLiteral("typed"));
    QVERIFY(!about.window()->isMinimized()); // brought back to the front
    QCOMPARE(about.window()->parentWidget(), nullptr);
    QVERIFY(!about.window()->isModal());
}

void TestShell::unloadDestroysAndShowRebuilds_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Unload") << false;
    QTest::newRow("close box") << true;
}

void TestShell::unloadDestroysAndShowRebuilds() {
    QFETCH(bool, closeBox);
    int built = 0;
    WindowInstance formula(counting(built));
    formula.Show();
    formula.window()->findChild<QLineEdit*>()->setText("typed");
    QPointer<QWidget> old = formula.window();
    if (closeBox)
        old->close();
    else
        formula.Unload();
    QVERIFY(!formula.loaded());
    QVERIFY(!old->isVisible());
    flushUnloads();
    QVERIFY(old.isNull());
    formula.Unload(); // unloading an unloaded window does nothing
    formula.Show();
    QCOMPARE(built, 2);
    QVERIFY(formula.window()->findChild<QLineEdit*>()->text().isEmpty());
}

void TestShell::programEndsWithLastWindow() {
    // Run in the event loop, where Qt ends the program.
    int built = 0;
    WindowInstance calculator(counting(built));
    WindowInstance about(counting(built));
    WindowInstance diagram(counting(built));
    int ended = 0;
    QList<int> endedAfter;
    bool loadedBeforeLast = false;
    const QObject listening; // the counting goes with this test's locals
    connect(qApp, &QGuiApplication::lastWindowClosed, &listening, [&] { ++ended; });
    QTimer steps;
    steps.setSingleShot(true);
    connect(&steps, &QTimer::timeout, &steps, [&] {
        calculator.Show();
        about.Show();
        diagram.Show();
        calculator.Unload();
        endedAfter << ended;
        diagram.window()->close();
        endedAfter << ended;
        loadedBeforeLast = about.loaded();
        about.Unload();
        endedAfter << ended;
    });
    // A program that does not end is ended here, and fails.
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &deadline, [] { QCoreApplication::exit(1); });
    steps.start(0);
    deadline.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(endedAfter, (QList<int>{0, 0, 1}));
    QVERIFY(loadedBeforeLast);
    QVERIFY(!about.loaded() && !calculator.loaded() && !diagram.loaded());
    flushUnloads();
}

void TestShell::failingWindowGoesToLastResort() {
    // A window that cannot be built stops the procedure; the user gets a plain message and
    // the program goes on.
    WindowInstance failing(
        []() -> std::unique_ptr<QWidget> { throw std::runtime_error("no memory"); });
    WindowInstance empty({});
    QStringList shown;
    MessageRecorder recorder([&](const QString& caption, const QString& text) {
        QCOMPARE(caption, QStringLiteral("Torrentix"));
        shown << text;
    });
    bool after = false;
    Guarded([&] {
        failing.Show();
        after = true;
    })();
    QVERIFY(!after);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(QLatin1String("no memory")));
    QVERIFY(!failing.loaded());
    // A slot without a window class fails the same way instead of crashing.
    Guarded([&] { empty.Show(); })();
    QCOMPARE(shown.size(), 2);
}

QTEST_MAIN(TestShell)
#include "tst_windowinstance.moc"
