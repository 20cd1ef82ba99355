// What the window tests share: a running shell and ways to work its windows' controls.
#pragma once

#include "shell.h"
#include "startup.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace torrentix::testing {

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

// Windows unloaded by a procedure go at the next turn of the event loop; this is that turn.
inline void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The program as start-up leaves it: the real window classes, the calculator window shown.
class Program {
public:
    Program() : shell(WindowFactories()) {
        QObject::connect(&shell, &Shell::lastWindowUnloaded, [this] { ++ends; });
        shell.Instance(WindowKind::Hydropower).Show();
    }
    ~Program() { flushUnloads(); }

    QWidget* window(WindowKind kind) { return shell.Instance(kind).window(); }
    bool loaded(WindowKind kind) { return shell.Instance(kind).loaded(); }

    // Clicks a button of a loaded window with the mouse, as a user would.
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

    Shell shell;
    int ends = 0;
};

} // namespace torrentix::testing
