// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Solve and Reset through the calculator window's own controls: the results, the input
// checks with their message boxes and mistake text, and input of every odd kind.
#include "programfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QHash>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using torrentix::testing::RunningProgram;

namespace {
const QString zero = QStringLiteral("You can't enter Zero");
const QString negative = QStringLiteral("You can't enter Negative Values");
const QString over = QStringLiteral("Efficiency can't exceed 100%");
const QString mistake = QStringLiteral("OOOps..A Mistake !");
const char* const resultNames[] = {"Lbl_v", "Lbl_v2", "Lbl_n", "Lbl_q", "Lbl_y", "Lbl_o"};

// Writes "hide: <label> [mistake]" into the fixture's log when a result label is hidden,
// noting whether the mistake text was already showing, so tests see the order of events.
class HideLogger : public QObject {
public:
    explicit HideLogger(RunningProgram& f) : f_(f) {
        for (const char* name : resultNames)
            f.label(name)->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::HideToParent) {
            const bool shown = f_.label("Lbl_e")->text() == mistake;
            f_.log.append(QStringLiteral("hide: ") + watched->objectName() +
                          (shown ? QStringLiteral(" [mistake]") : QString()));
        }
        return false;
    }

private:
    RunningProgram& f_;
};

bool resultsHidden(const RunningProgram& f) {
    for (const char* name : resultNames)
        if (f.label(name)->isVisible())
            return false;
    return true;
}

bool resultsShown(const RunningProgram& f) {
    for (const char* name : resultNames)
        if (!f.label(name)->isVisible())
            return false;
    return true;
}

QString separated(QString text) {
    return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}
} // namespace

class TestCalculatorSolve : public QObject {
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void checks_data();
    void checks();
    void reactionOrder();
    void failedPressKeepsResultsHiddenUntilReset();
    void reset_data();
    void reset();
    void resetOnFreshWindowChangesNothing();
    void resetTwiceEqualsOnce();
    void resetKeepsFocusOnButton();
    void tooLarge_data();
    void tooLarge();
    void megabytePaste();
    void realMessageBox_data();
    void realMessageBox();
    void exitAndCloseBoxUnload_data();
    void exitAndCloseBoxUnload();
    void decimalSeparatorOfLocale();
    void copyResults_data();
    void copyResults();
    void screenReaderHearsTheOutcome_data();
    void screenReaderHearsTheOutcome();
};

void TestCalculatorSolve::workedExamples_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("kilowatts");
    QTest::addColumn<QString>("megawatts");
    QTest::newRow("10 50 90 95") << QStringList{"10", "50", "90", "95"} << "4193.775"
                                 << "4.193775";
    // Typed with the locale's own separator, as the results are shown: a comma in a comma
    // locale, a point elsewhere.
    QTest::newRow("locale's separator")
        << QStringList{separated("401.7"), separated("325.9"), separated("33.3"), separated("26.5")}
        << "113330.109143804"
        << "113.330109143804";
    QTest::newRow("locale's separator, Q 12.5")
        << QStringList{separated("12.5"), "100", "50", "50"} << "3065.625"
        << "3.065625";
}

void TestCalculatorSolve::workedExamples() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, kilowatts);
    QFETCH(QString, megawatts);
    RunningProgram f;
    f.type(inputs[0], inputs[1], inputs[2], inputs[3]);
    f.solve();
    QCOMPARE(f.label("Lbl_v")->text(), separated(kilowatts));
    QCOMPARE(f.label("Lbl_v2")->text(), separated(megawatts));
    QCOMPARE(f.label("Lbl_y")->text(), QStringLiteral("or"));
    QCOMPARE(f.messages(), QStringList());
    QVERIFY(f.label("Lbl_e")->text().isEmpty());
    QVERIFY(resultsShown(f));
    // The inputs stay as typed.
    QCOMPARE(f.box("Txt_Q")->text(), inputs[0]);
    QCOMPARE(f.box("Txt_m")->text(), inputs[3]);
}

void TestCalculatorSolve::checks_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("refused"); // results hidden and mistake text shown
    QTest::addColumn<QString>("kilowatts");

    QTest::newRow("valid") << QStringList{"10", "50", "90", "95"} << QStringList{} << false
                           << "4193.775";
    QTest::newRow("Q zero") << QStringList{"0", "50", "90", "95"} << QStringList{zero} << true
                            << "0";
    QTest::newRow("all zero") << QStringList{"0", "0", "0", "0"}
                              << QStringList{zero, zero, zero, zero} << true << "0";
    QTest::newRow("Q 0.0") << QStringList{"0.0", "50", "90", "95"} << QStringList{} << true << "0";
    // Where the point is the decimal separator a comma ends the number.
    const bool comma = QLocale::system().decimalPoint() == QLatin1String(",");
    QTest::newRow("Q 12,5") << QStringList{"12,5", "50", "90", "95"} << QStringList{} << false
                            << (comma ? "5242.21875" : "5032.53");
    QTest::newRow("every kind at once")
        << QStringList{"0", "-3", "250", "-1"} << QStringList{zero, negative, negative, over}
        << true << "0";
}

void TestCalculatorSolve::checks() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messages);
    QFETCH(bool, refused);
    QFETCH(QString, kilowatts);
    RunningProgram f;
    f.type(inputs[0], inputs[1], inputs[2], inputs[3]);
    f.solve();
    QCOMPARE(f.messages(), messages);
    for (const QString& caption : f.captions)
        QCOMPARE(caption, QStringLiteral("Torrentix"));
    QCOMPARE(resultsHidden(f), refused);
    QCOMPARE(resultsShown(f), !refused);
    QCOMPARE(f.label("Lbl_e")->text(), refused ? mistake : QString());
    // The power is computed and written whatever the checks found.
    QCOMPARE(f.label("Lbl_v")->text(), separated(kilowatts));
    QCOMPARE(f.label("Lbl_y")->text(), QStringLiteral("or"));
}

void TestCalculatorSolve::reactionOrder() {
    // Message first, hiding after it; mistake text first, hiding after it.
    RunningProgram f;
    HideLogger logger(f);
    f.type("0", "-1", "abc", "95");
    f.solve();
    const QStringList hides = {"hide: Lbl_v", "hide: Lbl_v2", "hide: Lbl_n",
                               "hide: Lbl_q", "hide: Lbl_y",  "hide: Lbl_o"};
    QStringList expected;
    expected << QStringLiteral("message: ") + zero << hides;
    expected << QStringLiteral("message: ") + negative;
    // Already hidden labels are not hidden again; the mistake text comes last of all.
    QCOMPARE(f.log, expected);
    QCOMPARE(f.label("Lbl_e")->text(), mistake);

    RunningProgram g;
    HideLogger gLogger(g);
    g.type("abc", "1", "1", "1");
    g.solve();
    QStringList mistakeFirst;
    for (const QString& hide : hides)
        mistakeFirst << hide + QStringLiteral(" [mistake]");
    QCOMPARE(g.log, mistakeFirst);
}

void TestCalculatorSolve::failedPressKeepsResultsHiddenUntilReset() {
    RunningProgram f;
    f.type("0", "50", "90", "95");
    f.solve();
    QVERIFY(resultsHidden(f));
    f.log.clear();

    f.type("10", "50", "90", "95");
    f.solve();
    QCOMPARE(f.messages(), QStringList());
    QVERIFY(resultsHidden(f));
    QCOMPARE(f.label("Lbl_e")->text(), mistake);
    // The new results went into the hidden labels all the same.
    QCOMPARE(f.label("Lbl_v")->text(), separated("4193.775"));
    QCOMPARE(f.label("Lbl_v2")->text(), separated("4.193775"));

    f.reset();
    QVERIFY(resultsShown(f));
    f.type("10", "50", "90", "95");
    f.solve();
    QVERIFY(resultsShown(f));
    QCOMPARE(f.label("Lbl_v")->text(), separated("4193.775"));
    QVERIFY(f.label("Lbl_e")->text().isEmpty());
}

void TestCalculatorSolve::reset_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<bool>("solveFirst");
    QTest::newRow("after a good solve") << QStringList{"10", "50", "90", "95"} << true;
    QTest::newRow("after a refused input") << QStringList{"0", "-5", "abc", "200"} << true;
    QTest::newRow("some inputs filled") << QStringList{"10", "", "90", ""} << false;
    QTest::newRow("inputs not numbers") << QStringList{"abc", "x", "%", "1,2"} << false;
}

void TestCalculatorSolve::reset() {
    QFETCH(QStringList, inputs);
    QFETCH(bool, solveFirst);
    RunningProgram f;
    f.type(inputs[0], inputs[1], inputs[2], inputs[3]);
    if (solveFirst)
        f.solve();
    f.reset();
    for (const char* name : {"Txt_Q", "Txt_H", "Txt_n", "Txt_m"})
        QVERIFY(f.box(name)->text().isEmpty());
    for (const char* name : {"Lbl_v", "Lbl_v2", "Lbl_e", "Lbl_y"})
        QVERIFY(f.label(name)->text().isEmpty());
    QVERIFY(resultsShown(f));
    QCOMPARE(f.label("Lbl_n")->text(), QStringLiteral("Available Power"));
    QCOMPARE(f.label("Lbl_q")->text(), QStringLiteral("kW"));
    QCOMPARE(f.label("Lbl_o")->text(), QStringLiteral("MW"));
}

void TestCalculatorSolve::resetOnFreshWindowChangesNothing() {
    RunningProgram f;
    const QImage before = f.calculator->grab().toImage();
    f.button("Command2")->click();
    QCOMPARE(f.calculator->grab().toImage(), before);
}

void TestCalculatorSolve::resetTwiceEqualsOnce() {
    RunningProgram f;
    f.type("0", "50", "90", "95");
    f.solve();
    f.reset();
    const QImage once = f.calculator->grab().toImage();
    f.reset();
    QCOMPARE(f.calculator->grab().toImage(), once);
}

void TestCalculatorSolve::resetKeepsFocusOnButton() {
    RunningProgram f;
    QVERIFY(QTest::qWaitForWindowActive(f.calculator));
    f.type("10", "50", "90", "95");
    f.reset();
    QCOMPARE(QApplication::focusWidget(), f.button("Command2"));
}

void TestCalculatorSolve::tooLarge_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("messagesBefore"); // from checks that ran first
    QTest::newRow("after a zero check")
        << QStringList{"10", "0", "90", "1e999"} << QStringList{zero};
    QTest::newRow("product with refused input")
        << QStringList{"1e300", "1e300", "-1", "100"} << QStringList{negative};
}

void TestCalculatorSolve::tooLarge() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messagesBefore);
    RunningProgram f;
    f.type(inputs[0], inputs[1], inputs[2], inputs[3]);
    f.solve();
    const QStringList messages = f.messages();
    QCOMPARE(messages.size(), messagesBefore.size() + 1);
    QCOMPARE(messages.mid(0, messagesBefore.size()), messagesBefore);
    QVERIFY(messages.last().contains(QLatin1String("too large")));
    // No result is written, nothing typed is lost, and the window goes on working.
    QVERIFY(f.label("Lbl_v")->text().isEmpty());
    QVERIFY(f.label("Lbl_v2")->text().isEmpty());
    QVERIFY(f.label("Lbl_y")->text().isEmpty());
    QCOMPARE(f.box("Txt_Q")->text(), inputs[0]);
    QCOMPARE(f.box("Txt_m")->text(), inputs[3]);
    f.log.clear();
    f.type("10", "50", "90", "95");
    f.solve();
    QCOMPARE(f.messages(), QStringList());
    QCOMPARE(f.label("Lbl_v")->text(), separated("4193.775"));
}

void TestCalculatorSolve::megabytePaste() {
    // Pasted through the clipboard, as a user would: the box keeps all of it.
    RunningProgram f;
    const QString huge = QString(999'998, QLatin1Char('9')) + "e5";
    QApplication::clipboard()->setText(huge);
    f.box("Txt_Q")->setFocus();
    f.box("Txt_Q")->paste();
    f.type(f.box("Txt_Q")->text(), "50", "90", "95");
    QCOMPARE(f.box("Txt_Q")->text().size(), 1'000'000);
    f.solve();
    QCOMPARE(f.messages().size(), 1); // too large to compute
    QCOMPARE(f.box("Txt_Q")->text(), huge);
}

void TestCalculatorSolve::realMessageBox_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("OK button") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void TestCalculatorSolve::realMessageBox() {
    // A real box: text, caption, one OK button, no icon, modal; however it is closed, the
    // press goes on with the next check, and only then.
    QFETCH(QString, closeBy);
    RunningProgram f;
    torrentix::MessageRecorder none({}); // show boxes for real
    f.type("0", "0", "90", "95");
    struct Seen {
        QString text, caption;
        QMessageBox::Icon icon;
        QList<QMessageBox::StandardButton> buttons;
        bool modal;
        QWidget* parent;
        bool resultsHidden; // behind the box
    };
    QList<Seen> seen;
    // Each box is looked at and closed from the event loop; a box that does not come, or does
    // not go, ends the wait at the deadline instead of hanging the test.
    const QDeadlineTimer deadline(5000);
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || deadline.hasExpired()) {
            if (box != nullptr)
                box->done(0);
            return;
        }
        QList<QMessageBox::StandardButton> buttons;
        for (QAbstractButton* button : box->buttons())
            buttons.append(box->standardButton(button));
        seen.append({box->text(), box->windowTitle(), box->icon(), buttons, box->isModal(),
                     box->parentWidget(), resultsHidden(f)});
        if (closeBy == "ok")
            box->buttons().first()->click();
        else if (closeBy == "enter")
            QTest::keyClick(box, Qt::Key_Return);
        else if (closeBy == "escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    poll.start();
    f.solve();
    // The mistake text is the press's last step.
    QTRY_VERIFY_WITH_TIMEOUT(f.label("Lbl_e")->text() == mistake || deadline.hasExpired(), 6000);
    poll.stop();
    QVERIFY(!deadline.hasExpired());
    QCOMPARE(seen.size(), 2);
    for (const Seen& box : seen) {
        QCOMPARE(box.text, zero);
        QCOMPARE(box.caption, QStringLiteral("Torrentix"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY(box.modal);
        QCOMPARE(box.parent, f.calculator);
    }
    // Each box's results are hidden once it is closed.
    QCOMPARE(seen[0].resultsHidden, false);
    QCOMPARE(seen[1].resultsHidden, true);
    QVERIFY(resultsHidden(f));
    QCOMPARE(f.label("Lbl_e")->text(), mistake);
    QCOMPARE(f.label("Lbl_v")->text(), QStringLiteral("0"));
}

void TestCalculatorSolve::exitAndCloseBoxUnload_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Exit") << false;
    QTest::newRow("close box") << true;
}

void TestCalculatorSolve::exitAndCloseBoxUnload() {
    QFETCH(bool, closeBox);
    RunningProgram f;
    QPointer<QWidget> window = f.calculator;
    if (closeBox)
        window->close();
    else
        f.button("Command5")->click();
    QCOMPARE(f.ends, 1);
    QVERIFY(!f.program.Instance(torrentix::WindowKind::Hydropower).loaded());
    torrentix::testing::flushUnloads();
    QVERIFY(window.isNull()); // destroyed with all its controls
}

void TestCalculatorSolve::decimalSeparatorOfLocale() {
    // Run under a locale whose separator is a comma, the results use it and reading takes
    // both the comma and the point.
    const QByteArray expected = qgetenv("TORRENTIX_EXPECT_SEPARATOR");
    if (expected.isEmpty())
        QSKIP("runs in the comma-locale run of this test");
    QCOMPARE(QLocale::system().decimalPoint(), QString::fromUtf8(expected));
    RunningProgram f;
    f.type("10", "50", "90,5", "95.0");
    f.solve();
    QCOMPARE(f.label("Lbl_v")->text(), "4217" + QString::fromUtf8(expected) + "07375");
    QCOMPARE(f.label("Lbl_v2")->text(), "4" + QString::fromUtf8(expected) + "21707375");
    // The formula page writes g with the same separator.
    f.program.Instance(torrentix::testing::Formula).Show();
    QCOMPARE(f.window(torrentix::testing::Formula)->findChild<QLabel*>("Label12")->text(),
             " = 9" + QString::fromUtf8(expected) + "81");
}

void TestCalculatorSolve::copyResults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("focus");     // where the keyboard focus is meanwhile
    QTest::addColumn<bool>("boxSelection"); // the input box then gets a selection of its own
    for (const char* name : {"Lbl_v", "Lbl_v2"}) {
        for (const char* how :
             {"drag", "double click", "double click below the text", "context menu"}) {
            for (const char* focus : {"Command1", "Txt_Q"})
                QTest::addRow("%s, %s, focus on %s", name, how, focus)
                    << name << how << focus << false;
        }
        QTest::addRow("%s, drag, then a selection in the box", name) << name << "drag"
                                                                     << "Txt_Q" << true;
    }
}

void TestCalculatorSolve::copyResults() {
    // A result is copied exactly as shown, by mouse and Ctrl+C or by its context menu, and the
    // keyboard focus stays where it was.
    QFETCH(QString, name);
    QFETCH(QString, how);
    QFETCH(QString, focus);
    QFETCH(bool, boxSelection);
    RunningProgram f;
    QVERIFY(QTest::qWaitForWindowActive(f.calculator));
    f.type("-10", "50", "90", "95");
    f.solve();
    f.reset();
    f.type("10", "50", "90", "95");
    f.solve();
    QWidget* focused = f.calculator->findChild<QWidget*>(focus);
    focused->setFocus(Qt::TabFocusReason);
    QApplication::clipboard()->clear();
    QLabel* label = f.label(qPrintable(name));
    const QPoint middle(label->width() / 2, label->height() / 2);
    label->grab(); // the user sees the result before reaching for it

    if (how == "drag") {
        // From the first character to the last, across the centred text.
        const int width = label->fontMetrics().horizontalAdvance(label->text());
        const QPoint first((label->width() - width) / 2 + 1, middle.y());
        const QPoint last = first + QPoint(width - 2, 0);
        QTest::mousePress(label, Qt::LeftButton, {}, first);
        QTest::mouseMove(label, middle);
        QTest::mouseMove(label, last);
        QTest::mouseRelease(label, Qt::LeftButton, {}, last);
    } else if (how.startsWith(QLatin1String("double click"))) {
        // Through the window, as from the window system: Qt tells two clicks from a double
        // click by their times and places.
        const QPoint at = how == "double click" ? middle : QPoint(middle.x(), label->height() - 2);
        QTest::mouseDClick(f.calculator->windowHandle(), Qt::LeftButton, {},
                           label->mapTo(f.calculator, at));
    }
    if (how == "context menu") {
        // What the window system makes of a right click on the result.
        QContextMenuEvent click(QContextMenuEvent::Mouse, middle, label->mapToGlobal(middle));
        QApplication::sendEvent(label, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QAction* copy = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Copy")))
                copy = action;
        QVERIFY(copy != nullptr);
        QVERIFY(copy->isEnabled());
        copy->trigger();
        menu->close();
    } else {
        QCOMPARE(label->selectedText(), label->text());
        if (boxSelection)
            f.box("Txt_Q")->selectAll();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    }
    const QString expected = boxSelection ? f.box("Txt_Q")->text() : label->text();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), expected);
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

namespace {
// The window's notification for screen readers, if one is showing: the control whose
// accessible role says so.
QWidget* notificationOf(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(child);
        if (object != nullptr && object->role() == QAccessible::Notification && child->isVisible())
            return child;
    }
    return nullptr;
}

// What a screen reader is told of notifications, through Qt's own accessibility hook: "show 1:
// <name>" when one appears and "hide 1" when it goes. Objects are numbered in order of their
// first event, by the identity a screen reader knows them by, so a notification hidden and shown
// again keeps its number. A screen reader on a busy machine reads a name only when it gets to
// the event, after the program's later ones: each "show" line holds the name as it reads at the
// latest event, "(gone)" once the object no longer answers.
class NotificationEvents {
public:
    NotificationEvents() {
        // Qt builds these events only while a screen reader is there; the platform is told
        // there is one, and the events go here instead of out to it.
        platform_ = QGuiApplicationPrivate::platformIntegration()->accessibility();
        platform_->setActive(true);
        current = this;
        previous_ = QAccessible::installUpdateHandler(&record);
    }
    ~NotificationEvents() {
        QAccessible::installUpdateHandler(previous_);
        platform_->setActive(false);
        current = nullptr;
    }
    NotificationEvents(const NotificationEvents&) = delete;
    NotificationEvents& operator=(const NotificationEvents&) = delete;

    QStringList heard;
    QPointer<QWidget> lastShown;

private:
    static void record(QAccessibleEvent* event) {
        const QAccessible::Event type = event->type();
        QAccessibleInterface* object = event->accessibleInterface();
        if ((type != QAccessible::ObjectShow && type != QAccessible::ObjectHide) ||
            object == nullptr || object->role() != QAccessible::Notification)
            return;
        NotificationEvents& self = *current;
        const QAccessible::Id id = QAccessible::uniqueId(object);
        if (!self.numbers_.contains(id))
            self.numbers_.insert(id, static_cast<int>(self.numbers_.size()) + 1);
        if (type == QAccessible::ObjectHide) {
            self.heard.append(QStringLiteral("hide ") + QString::number(self.numbers_.value(id)));
        } else {
            self.shown_.append({static_cast<int>(self.heard.size()), id});
            self.heard.append(QString());
            self.lastShown = qobject_cast<QWidget*>(event->object());
        }
        for (const auto& [line, shown] : self.shown_) {
            const QAccessibleInterface* late = QAccessible::accessibleInterface(shown);
            self.heard[line] =
                QStringLiteral("show ") + QString::number(self.numbers_.value(shown)) +
                QStringLiteral(": ") +
                (late != nullptr ? late->text(QAccessible::Name) : QStringLiteral("(gone)"));
        }
    }

    static NotificationEvents* current;
    QPlatformAccessibility* platform_;
    QAccessible::UpdateHandler previous_;
    QHash<QAccessible::Id, int> numbers_;
    QList<std::pair<int, QAccessible::Id>> shown_; // line in heard, object
};
NotificationEvents* NotificationEvents::current = nullptr;
} // namespace

void TestCalculatorSolve::screenReaderHearsTheOutcome_data() {
    // Each step types four inputs and presses Solve (by Space, or a click where "click" follows
    // them), or is "Solve" again, or "Reset".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("heard");
    const QString result = separated("Available Power 4193.775 kW or 4.193775 MW");
    const QString results = QStringLiteral("10 50 90 95");
    const QString show1 = QStringLiteral("show 1: ");
    const QString show2 = QStringLiteral("show 2: ");
    QTest::newRow("results") << QStringList{results} << QStringList()
                             << QStringList{show1 + result};
    QTest::newRow("negative result")
        << QStringList{"-10 50 90 95"} << QStringList{negative} << QStringList{show1 + mistake};
    QTest::newRow("mistake") << QStringList{"abc 1 1 1"} << QStringList()
                             << QStringList{show1 + mistake};
    QTest::newRow("zero, after its message")
        << QStringList{"0 50 90 95"} << QStringList{zero} << QStringList{show1 + mistake};
    // A notification is never hidden and shown again: screen readers may drop the second
    // change of one object in one instant.
    QTest::newRow("same result again") << QStringList{results, "Solve"} << QStringList()
                                       << QStringList{show1 + result, "hide 1", show2 + result};
    QTest::newRow("mistake after a result")
        << QStringList{results, "0.0 50 90 95"} << QStringList()
        << QStringList{show1 + result, "hide 1", show2 + mistake};
    QTest::newRow("mistake after a result, with its message box")
        << QStringList{results, "0 50 90 95"} << QStringList{zero}
        << QStringList{show1 + result, "hide 1", show2 + mistake};
    QTest::newRow("result after a mistake and Reset")
        << QStringList{"0.0 50 90 95", "Reset", results} << QStringList()
        << QStringList{show1 + mistake, "hide 1", show2 + result};
    QTest::newRow("result, mistake, Reset, result, same result")
        << QStringList{results, "0.0 50 90 95", "Reset", results, "Solve"} << QStringList()
        << QStringList{show1 + result,
                       "hide 1",
                       show2 + mistake,
                       "hide 2",
                       QStringLiteral("show 3: ") + result,
                       "hide 3",
                       QStringLiteral("show 4: ") + result};
    QTest::newRow("by mouse: result, mistake with its message box, Reset, result")
        << QStringList{results + " click", "0 50 90 95 click", "Reset", results + " click"}
        << QStringList{zero}
        << QStringList{show1 + result, "hide 1", show2 + mistake, "hide 2",
                       QStringLiteral("show 3: ") + result};
}

void TestCalculatorSolve::screenReaderHearsTheOutcome() {
    // After a press of Solve a notification appears that names what the window now shows, and
    // the keyboard focus stays on Solve, in the designed tab cycle.
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, heard);
    RunningProgram f;
    QVERIFY(QTest::qWaitForWindowActive(f.calculator));
    QCOMPARE(notificationOf(f.calculator), nullptr); // nothing to tell yet
    NotificationEvents events;
    QPushButton* solve = f.button("Command1");
    for (const QString& step : steps) {
        if (step == QLatin1String("Reset")) {
            f.reset();
            continue;
        }
        const QStringList inputs = step.split(QLatin1Char(' '));
        if (inputs.size() >= 4)
            f.type(inputs[0], inputs[1], inputs[2], inputs[3]);
        if (inputs.last() == QLatin1String("click")) {
            f.solve();
            continue;
        }
        solve->setFocus(Qt::TabFocusReason);
        QTest::keyClick(solve, Qt::Key_Space);
    }
    QCOMPARE(f.messages(), messages);
    QCOMPARE(events.heard, heard);
    QWidget* notification = events.lastShown;
    QVERIFY(notification != nullptr);
    QCOMPARE(notificationOf(f.calculator), notification);
    // Its name comes with its appearance, not through a change of the accessible name, whose
    // change events some screen readers fail on.
    QVERIFY(notification->accessibleName().isEmpty());
    // Drawn nowhere, never focused.
    QVERIFY(notification->size().isEmpty());
    QCOMPARE(notification->focusPolicy(), Qt::NoFocus);
    QCOMPARE(QApplication::focusWidget(), solve);
    QTest::keyClick(solve, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.button("Command2"));
    // Reset takes it away: nothing is left to be found and read out.
    f.reset();
    QCOMPARE(notificationOf(f.calculator), nullptr);
}

QTEST_MAIN(TestCalculatorSolve)
#include "tst_calculatorsolve.moc"
