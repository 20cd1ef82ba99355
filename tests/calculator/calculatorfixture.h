// A calculator window opened through the program's own shell, with its controls at hand
// and every message box recorded instead of shown.
#pragma once

#include "messages.h"
#include "shell.h"
#include "startup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <memory>

namespace torrentix::testing {

class CalculatorFixture {
public:
    CalculatorFixture()
        : shell_(std::make_unique<Shell>(WindowFactories())),
          recorder_([this](const QString& caption, const QString& text) {
              captions.append(caption);
              log.append(QStringLiteral("message: ") + text);
          }) {
        SetIdentity(*qApp);
        shell_->Instance(WindowKind::Hydropower).Show();
        window = shell_->Instance(WindowKind::Hydropower).window();
    }
    ~CalculatorFixture() {
        shell_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Shell& shell() { return *shell_; }

    QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) const { return window->findChild<QLabel*>(name); }
    QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }

    void type(const QString& q, const QString& h, const QString& n, const QString& m) {
        box("Txt_Q")->setText(q);
        box("Txt_H")->setText(h);
        box("Txt_n")->setText(n);
        box("Txt_m")->setText(m);
    }
    void solve() { QTest::mouseClick(button("Command1"), Qt::LeftButton); }
    void reset() { QTest::mouseClick(button("Command2"), Qt::LeftButton); }

    QStringList messages() const {
        QStringList out;
        for (const QString& line : log)
            if (line.startsWith(QLatin1String("message: ")))
                out.append(line.mid(9));
        return out;
    }

    QWidget* window = nullptr;
    QStringList log;      // messages, and whatever a test adds to it, in order
    QStringList captions; // caption of each message box

private:
    std::unique_ptr<Shell> shell_;
    MessageRecorder recorder_;
};

} // namespace torrentix::testing
