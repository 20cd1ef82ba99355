// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

#include "guard.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <stdexcept>

namespace torrentix {
namespace {
// The frame the window manager put round the last window it framed. A window manager frames
// the program's windows alike, so a new window is centred with this frame before it has its
// own; with no window manager there is none.
QMargins lastFrame;

QMargins frameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Every window opens centred, frame included, on the screen it will appear on.
void centre(QWidget& window, QMargins frameMargins) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = window.geometry().marginsAdded(frameMargins);
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}
} // namespace

void WindowInstance::Show() {
    if (!loaded())
        shell_.load(*this);
    QWidget& window = *window_;
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void WindowInstance::Unload() {
    if (!loaded())
        return;
    QWidget* window = window_.data();
    window_.clear();
    window->removeEventFilter(&shell_);
    window->hide();
    // Later, not now: the procedure that unloads a window usually runs inside one of its
    // buttons.
    window->deleteLater();
    shell_.unloaded();
}

Shell::~Shell() {
    for (auto& slot : slots_) {
        if (slot->window_)
            delete slot->window_.data();
    }
}

WindowInstance& Shell::NewInstance(Factory factory) {
    slots_.emplace_back(new WindowInstance(*this, std::move(factory)));
    return *slots_.back();
}

bool Shell::anyLoaded() const {
    for (const auto& slot : slots_) {
        if (slot->loaded())
            return true;
    }
    return false;
}

void Shell::load(WindowInstance& instance) {
    if (!instance.factory_)
        throw std::logic_error("no window class for this slot");
    std::unique_ptr<QWidget> window = instance.factory_();
    // Closing from the frame is an Unload like any other.
    window->installEventFilter(this);
    window->ensurePolished();
    centre(*window, lastFrame);
    instance.framed_ = false;
    instance.window_ = window.release();
}

void Shell::unloaded() {
    if (!anyLoaded())
        emit lastWindowUnloaded();
}

bool Shell::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move) {
        // The window manager has framed a new window: centre it again if its frame is not the
        // one it was centred with. Only once, so a window the user moves stays where it is.
        for (auto& slot : slots_) {
            QWidget* window = slot->window_.data();
            if (window != watched || slot->framed_)
                continue;
            const QMargins frame = frameOf(*window);
            if (frame.isNull())
                break;
            slot->framed_ = true;
            if (frame != lastFrame) {
                lastFrame = frame;
                centre(*window, frame);
            }
        }
    } else if (event->type() == QEvent::Close) {
        for (auto& slot : slots_) {
            if (slot->window_ == watched) {
                event->accept();
                Guarded([&slot] { slot->Unload(); })();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torrentix
