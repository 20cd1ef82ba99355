// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box of the program goes through ShowMessage: the text, one OK button, no
// icon, the application name as caption, modal to the window that asks.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace torrentix {

// Opens the box and returns at once; `closed` runs, behind the guard, when the user has closed
// it, however. No nested event loop waits for the user: a browser cannot run one.
void ShowMessage(QWidget* parent, const QString& text, std::function<void()> closed = {});

// While one exists, message boxes are handed to it instead of being shown, and count as closed
// at once, so tests and benchmarks can see which boxes a procedure raises, and in what order.
class MessageRecorder {
public:
    using Sink = std::function<void(const QString& caption, const QString& text)>;
    explicit MessageRecorder(Sink sink);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

private:
    Sink previous_;
};

} // namespace torrentix
