// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowinstance.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <stdexcept>

namespace torrentix {
namespace {
// Every window opens centred on its screen, frame included. Qt centres only dialogs, and
// without their frame, which the window manager adds after the window is shown. So a new window
// is centred with the frame the last window got, and once its own frame has come, centred again
// if that differs: only once, so a window the user moves stays where it is.
class Centring : public QObject {
public:
    explicit Centring(QWidget& window) : QObject(&window), window_(window) {
        centre(lastFrame);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Move)
            return false;
        const QRect outer = window_.frameGeometry(), inner = window_.geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (frame.isNull())
            return false; // not framed yet, or no window manager
        window_.removeEventFilter(this);
        if (frame != lastFrame) {
            lastFrame = frame;
            centre(frame);
        }
        deleteLater();
        return false;
    }

private:
    void centre(QMargins frameMargins) {
        const QScreen* screen =
            window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
        if (screen == nullptr)
            return;
        QRect frame = window_.geometry().marginsAdded(frameMargins);
        frame.moveCenter(screen->availableGeometry().center());
        window_.move(frame.topLeft());
    }

    // A window manager frames all the program's windows alike.
    static inline QMargins lastFrame;
    QWidget& window_;
};
} // namespace

void WindowInstance::Show() {
    if (!loaded()) {
        if (!factory_)
            throw std::logic_error("no window class for this slot");
        std::unique_ptr<QWidget> window = factory_();
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->ensurePolished();
        new Centring(*window);
        window_ = window.release();
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    // Not show(), which makes a window fill a browser page, as it does a phone's screen.
    window_->setVisible(true);
    window_->raise();
    window_->activateWindow();
}

void WindowInstance::Unload() {
    if (loaded())
        window_->close();
}

} // namespace torrentix
