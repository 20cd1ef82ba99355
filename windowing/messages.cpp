// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QWindow>

namespace torrentix {
namespace {
MessageRecorder::Sink& sink() {
    static MessageRecorder::Sink current;
    return current;
}
} // namespace

void ShowMessage(QWidget* parent, const QString& text, std::function<void()> closed) {
    const QString caption = QCoreApplication::applicationName();
    if (sink()) {
        sink()(caption, text);
        if (closed)
            closed();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
#ifdef Q_OS_WASM
    // In a page a window-modal box becomes a sheet, which covers the whole page.
    box->setWindowModality(Qt::ApplicationModal);
#else
    box->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
#endif
    // A click on the window the box blocks gives that window the keyboard, where typing,
    // Return and Escape go nowhere: give it back to the box, which stays in front.
    QWidget* const blocked = parent ? parent->window() : nullptr;
    QObject::connect(
        qApp, &QGuiApplication::focusWindowChanged, box, [box, blocked](QWindow* focus) {
            const bool isBlocked = blocked ? focus == blocked->windowHandle()
                                           : focus != nullptr && focus != box->windowHandle();
            if (isBlocked) {
                box->raise();
                box->activateWindow();
            }
        });
    // A box that goes with its window never finishes, and what was to follow never runs.
    if (closed)
        QObject::connect(box, &QDialog::finished, box, Guarded(std::move(closed)));
    box->show();
}

MessageRecorder::MessageRecorder(Sink sink_) : previous_(std::move(sink())) {
    sink() = std::move(sink_);
}

MessageRecorder::~MessageRecorder() {
    sink() = std::move(previous_);
}

} // namespace torrentix
