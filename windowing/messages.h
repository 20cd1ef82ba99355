// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box of the program goes through ShowMessage: the text, one OK button, no
// icon, the application name as caption, modal to the window that asks.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace torrentix {

void ShowMessage(QWidget* parent, const QString& text);

// While one exists, message boxes are handed to it instead of being shown, so tests and
// benchmarks can see which boxes a procedure raises, and in what order.
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
