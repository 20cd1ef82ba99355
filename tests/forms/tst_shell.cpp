// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window slots: loaded by Show, destroyed by Unload or the close box, and the end of the
// program when the last window goes.
#include "formstesting.h"
#include "guard.h"
#include "messages.h"
#include "shell.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <stdexcept>

using namespace torrentix;
using torrentix::testing::flushUnloads;

namespace {
// Stand-in windows that count how often they are built.
Shell::Factory counting(int& built) {
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
    Shell shell;
    WindowInstance& first = shell.NewInstance(counting(built));
    // A slot shows nothing and builds no window until it is shown.
    QVERIFY(!first.loaded());
    QCOMPARE(first.window(), nullptr);
    QCOMPARE(built, 0);
    QVERIFY(!shell.anyLoaded());
}

void TestShell::showLoadsOnceAndKeepsState() {
    int built = 0;
    Shell shell;
    WindowInstance& about = shell.NewInstance(counting(built));
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
    Shell shell;
    WindowInstance& formula = shell.NewInstance(counting(built));
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
    int built = 0;
    Shell shell;
    WindowInstance& calculator = shell.NewInstance(counting(built));
    WindowInstance& about = shell.NewInstance(counting(built));
    WindowInstance& diagram = shell.NewInstance(counting(built));
    int ended = 0;
    connect(&shell, &Shell::lastWindowUnloaded, this, [&] { ++ended; });
    calculator.Show();
    about.Show();
    diagram.Show();
    calculator.Unload();
    QCOMPARE(ended, 0);
    diagram.window()->close();
    QCOMPARE(ended, 0);
    QVERIFY(shell.anyLoaded());
    about.Unload();
    QCOMPARE(ended, 1);
    QVERIFY(!shell.anyLoaded());
    flushUnloads();
}

void TestShell::failingWindowGoesToLastResort() {
    // A window that cannot be built stops the procedure; the user gets a plain message and
    // the program goes on.
    Shell shell;
    WindowInstance& failing = shell.NewInstance(
        []() -> std::unique_ptr<QWidget> { throw std::runtime_error("no memory"); });
    WindowInstance& empty = shell.NewInstance({});
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
#include "tst_shell.moc"
