// The window slots: one instance per kind, loaded by Show, destroyed by Unload or the close
// box, and the end of the program when the last window goes.
#include "guard.h"
#include "messages.h"
#include "shell.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <stdexcept>

using namespace torrentix;

namespace {
// Stand-in windows that count how often they are built.
struct Counts {
    int built[WindowKindCount] = {};
};

std::array<Shell::Factory, WindowKindCount> countingFactories(Counts& counts) {
    std::array<Shell::Factory, WindowKindCount> factories;
    for (std::size_t i = 0; i < WindowKindCount; ++i) {
        factories[i] = [&counts, i] {
            ++counts.built[i];
            auto window = std::make_unique<QWidget>();
            window->resize(200, 100);
            new QLineEdit(window.get()); // some state a user could change
            return window;
        };
    }
    return factories;
}

void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void oneInstancePerKind();
    void showLoadsOnceAndKeepsState();
    void unloadDestroysAndShowRebuilds_data();
    void unloadDestroysAndShowRebuilds();
    void programEndsWithLastWindow();
    void failingWindowGoesToLastResort();
};

void TestShell::oneInstancePerKind() {
    Counts counts;
    Shell shell(countingFactories(counts));
    QVERIFY(!shell.hasInstance(WindowKind::Diagram));
    WindowInstance& first = shell.Instance(WindowKind::Diagram);
    QVERIFY(shell.hasInstance(WindowKind::Diagram));
    QCOMPARE(&shell.Instance(WindowKind::Diagram), &first);
    // Creating an instance shows nothing and builds no window.
    QVERIFY(!first.loaded());
    QCOMPARE(counts.built[static_cast<int>(WindowKind::Diagram)], 0);
    QCOMPARE(&Shell::current(), &shell);
}

void TestShell::showLoadsOnceAndKeepsState() {
    Counts counts;
    Shell shell(countingFactories(counts));
    WindowInstance& about = shell.Instance(WindowKind::About);
    about.Show();
    QVERIFY(about.loaded());
    QVERIFY(about.window()->isVisible());
    about.window()->findChild<QLineEdit*>()->setText("typed");
    about.window()->showMinimized();
    about.Show();
    QCOMPARE(counts.built[static_cast<int>(WindowKind::About)], 1);
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
    Counts counts;
    Shell shell(countingFactories(counts));
    WindowInstance& formula = shell.Instance(WindowKind::HydroPowerFormula);
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
    QCOMPARE(counts.built[static_cast<int>(WindowKind::HydroPowerFormula)], 2);
    QVERIFY(formula.window()->findChild<QLineEdit*>()->text().isEmpty());
    QCOMPARE(&shell.Instance(WindowKind::HydroPowerFormula), &formula);
}

void TestShell::programEndsWithLastWindow() {
    Counts counts;
    Shell shell(countingFactories(counts));
    int ended = 0;
    connect(&shell, &Shell::lastWindowUnloaded, this, [&] { ++ended; });
    shell.Instance(WindowKind::Hydropower).Show();
    shell.Instance(WindowKind::About).Show();
    shell.Instance(WindowKind::Diagram).Show();
    shell.Instance(WindowKind::Hydropower).Unload();
    QCOMPARE(ended, 0);
    shell.Instance(WindowKind::Diagram).window()->close();
    QCOMPARE(ended, 0);
    QVERIFY(shell.anyLoaded());
    shell.Instance(WindowKind::About).Unload();
    QCOMPARE(ended, 1);
    QVERIFY(!shell.anyLoaded());
    flushUnloads();
}

void TestShell::failingWindowGoesToLastResort() {
    // A window that cannot be built stops the procedure; the user gets a plain message and
    // the program goes on.
    std::array<Shell::Factory, WindowKindCount> factories;
    factories[0] = []() -> std::unique_ptr<QWidget> { throw std::runtime_error("no memory"); };
    Shell shell(factories);
    QStringList shown;
    MessageRecorder recorder([&](const QString& caption, const QString& text) {
        QCOMPARE(caption, QStringLiteral("Torrentix"));
        shown << text;
    });
    bool after = false;
    Guarded([&] {
        shell.Instance(WindowKind::Hydropower).Show();
        after = true;
    })();
    QVERIFY(!after);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(QLatin1String("no memory")));
    QVERIFY(!shell.Instance(WindowKind::Hydropower).loaded());
    // A kind without a window class fails the same way instead of crashing.
    Guarded([&] { shell.Instance(WindowKind::About).Show(); })();
    QCOMPARE(shown.size(), 2);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
