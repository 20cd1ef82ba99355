// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's slot, with its two operations, Show and Unload. Qt does the rest of a window's
// life: a closed window is deleted (Qt::WA_DeleteOnClose), whether Unload or its frame closed
// it, and the program ends with its last window (QGuiApplication::quitOnLastWindowClosed).
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace torrentix {

// One window of a kind at a time: Qt would build a new one on every request. The slot holds
// it from Show to its close, and builds it afresh, in its designed state, on the next Show.
class WindowInstance {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;
    explicit WindowInstance(Factory factory) : factory_(std::move(factory)) {}
    // A window still open when the program ends goes with its slot.
    ~WindowInstance() { delete window_.data(); }
    WindowInstance(const WindowInstance&) = delete;
    WindowInstance& operator=(const WindowInstance&) = delete;

    // Loads the window if needed, then brings it to the front, even from the task bar, and
    // activates it. Never waits for the window to close.
    void Show();
    // Closes the window, which then goes with its controls; the slot stays.
    void Unload();

    // A closed window is hidden at once but deleted only at the next turn of the event loop:
    // from its close on, it is no longer the slot's.
    bool loaded() const { return window_ != nullptr && window_->isVisible(); }
    QWidget* window() const { return loaded() ? window_.data() : nullptr; }

private:
    Factory factory_;
    QPointer<QWidget> window_;
};

} // namespace torrentix
