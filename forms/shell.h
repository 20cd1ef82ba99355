// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Window slots and the two operations on them, Show and Unload. A slot holds at most one
// window, built by its factory on Show; the program ends when no window is loaded.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace torrentix {

class Shell;

// One window's slot: not loaded (no window, no controls) or loaded (window shown).
class WindowInstance {
public:
    // Loads the window in its designed state if needed, then brings it to the front and
    // activates it. Never waits for the window to close.
    void Show();
    // Destroys the window and its controls; the slot stays, not loaded.
    void Unload();

    bool loaded() const { return !window_.isNull(); }
    // The loaded window, or null.
    QWidget* window() const { return window_.data(); }

private:
    friend class Shell;
    using Factory = std::function<std::unique_ptr<QWidget>()>;
    WindowInstance(Shell& shell, Factory factory) : shell_(shell), factory_(std::move(factory)) {}

    Shell& shell_;
    Factory factory_;
    QPointer<QWidget> window_;
    bool framed_ = false; // the window manager has put its frame round the window
};

class Shell : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    Shell() = default;
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // A new slot, not loaded, whose window the factory builds on each load.
    WindowInstance& NewInstance(Factory factory);

    bool anyLoaded() const;

signals:
    // The last loaded window was unloaded: time for the program to end.
    void lastWindowUnloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class WindowInstance;
    void load(WindowInstance& instance);
    void unloaded();

    std::vector<std::unique_ptr<WindowInstance>> slots_;
};

} // namespace torrentix
