// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the program as start-up leaves it (the real window classes,
// the calculator shown, message boxes recorded instead of shown) and ways to work its
// windows' controls as a user would.
#pragma once

#include "formstesting.h"
#include "messages.h"
#include "program.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

Q_DECLARE_METATYPE(torrentix::WindowKind)

namespace torrentix::testing {

// Short names for the windows in test tables.
constexpr auto Calculator = WindowKind::Hydropower;
constexpr auto Formula = WindowKind::HydroPowerFormula;
constexpr auto Diagram = WindowKind::Diagram;
constexpr auto About = WindowKind::About;

inline const char* className(WindowKind kind) {
    switch (kind) {
    case WindowKind::Hydropower:
        return "Frm_Hydropower";
    case WindowKind::HydroPowerFormula:
        return "Frm_HydroPowerFormula";
    case WindowKind::Diagram:
        return "Frm_Diagram";
    case WindowKind::About:
        return "frm_About";
    }
    return "";
}

// The calculator button that opens each reference window.
inline const char* opener(WindowKind kind) {
    switch (kind) {
    case WindowKind::HydroPowerFormula:
        return "Command6";
    case WindowKind::Diagram:
        return "Command4";
    case WindowKind::About:
        return "Command3";
    case WindowKind::Hydropower:
        break;
    }
    return "";
}

// Counts the ends of the program: Qt ends it when its last shown window without a parent is
// closed, but only from the event loop that tests do not run.
class EndCounter : public QObject {
public:
    EndCounter() { qApp->installEventFilter(this); }
    int ends = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Hide || !watched->isWidgetType() ||
            !static_cast<QWidget*>(watched)->isWindow())
            return false;
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && top->parentWidget() == nullptr)
                return false;
        }
        ++ends;
        return false;
    }
};

class RunningProgram {
public:
    RunningProgram()
        : recorder_([this](const QString& caption, const QString& text) {
              captions.append(caption);
              log.append(QStringLiteral("message: ") + text);
          }) {
        SetUpApplication(*qApp);
        program.Instance(WindowKind::Hydropower).Show();
        calculator = window(WindowKind::Hydropower);
    }
    ~RunningProgram() { flushUnloads(); }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    QWidget* window(WindowKind kind) { return program.Instance(kind).window(); }
    bool loaded(WindowKind kind) { return program.Instance(kind).loaded(); }
    bool anyLoaded() {
        for (const WindowKind kind : {Calculator, Formula, Diagram, About}) {
            if (loaded(kind))
                return true;
        }
        return false;
    }

    // Clicks a button of a loaded window with the mouse.
    void press(WindowKind kind, const char* button) {
        QWidget* owner = window(kind);
        QVERIFY2(owner != nullptr, className(kind));
        auto* control = owner->findChild<QPushButton*>(QString::fromLatin1(button));
        QVERIFY2(control != nullptr, button);
        QTest::mouseClick(control, Qt::LeftButton);
        flushUnloads();
    }

    // Closes a window from its frame.
    void closeFrame(WindowKind kind) {
        QWidget* owner = window(kind);
        QVERIFY2(owner != nullptr, className(kind));
        owner->close();
        flushUnloads();
    }

    // How many windows of a class exist, shown or not.
    static int count(WindowKind kind) {
        int n = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            n += top->objectName() == QLatin1String(className(kind)) ? 1 : 0;
        return n;
    }

    // The calculator's controls, by name.
    QLineEdit* box(const char* name) const { return calculator->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) const { return calculator->findChild<QLabel*>(name); }
    QPushButton* button(const char* name) const {
        return calculator->findChild<QPushButton*>(name);
    }

    void type(const QString& q, const QString& h, const QString& n, const QString& m) {
        box("Txt_Q")->setText(q);
        box("Txt_H")->setText(h);
        box("Txt_n")->setText(n);
        box("Txt_m")->setText(m);
    }
    void solve() { QTest::mouseClick(button("Command1"), Qt::LeftButton); }
    void reset() { QTest::mouseClick(button("Command2"), Qt::LeftButton); }

    // The texts of the message boxes raised so far, in order.
    QStringList messages() const {
        QStringList out;
        for (const QString& line : log)
            if (line.startsWith(QLatin1String("message: ")))
                out.append(line.mid(9));
        return out;
    }

    Program program;
    QWidget* calculator = nullptr; // the window the program opened with
    EndCounter endCounter;
    int& ends = endCounter.ends; // how often the last window went
    QStringList log;             // messages, and whatever a test adds to it, in order
    QStringList captions;        // caption of each message box

private:
    MessageRecorder recorder_;
};

} // namespace torrentix::testing
