#include "shell.h"

#include "guard.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <stdexcept>

namespace torrentix {
namespace {
Shell* currentShell = nullptr;

std::size_t index(WindowKind kind) {
    return static_cast<std::size_t>(kind);
}

// Every window opens centred on the screen it will appear on.
void centre(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame = window.frameGeometry();
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
    shell_.unloaded(*this);
}

Shell::Shell(std::array<Factory, WindowKindCount> factories) : factories_(std::move(factories)) {
    currentShell = this;
}

Shell::~Shell() {
    for (auto& slot : slots_) {
        if (slot && slot->window_)
            delete slot->window_.data();
    }
    if (currentShell == this)
        currentShell = nullptr;
}

Shell& Shell::current() {
    if (currentShell == nullptr)
        throw std::logic_error("no shell is running");
    return *currentShell;
}

WindowInstance& Shell::Instance(WindowKind kind) {
    auto& slot = slots_.at(index(kind));
    if (!slot)
        slot.reset(new WindowInstance(*this, kind));
    return *slot;
}

bool Shell::hasInstance(WindowKind kind) const {
    return slots_.at(index(kind)) != nullptr;
}

bool Shell::anyLoaded() const {
    for (const auto& slot : slots_) {
        if (slot && slot->loaded())
            return true;
    }
    return false;
}

void Shell::load(WindowInstance& instance) {
    const Factory& factory = factories_.at(index(instance.kind_));
    if (!factory)
        throw std::logic_error("no window registered for this kind");
    std::unique_ptr<QWidget> window = factory();
    // Closing from the frame is an Unload like any other.
    window->installEventFilter(this);
    window->ensurePolished();
    // The control first in the tab order holds the focus when the window opens.
    QWidget* first = window->nextInFocusChain();
    while (first != window.get() && (first->focusPolicy() & Qt::TabFocus) == 0)
        first = first->nextInFocusChain();
    if (first != window.get())
        first->setFocus(Qt::TabFocusReason);
    centre(*window);
    instance.window_ = window.release();
}

void Shell::unloaded(WindowInstance&) {
    if (!anyLoaded())
        emit lastWindowUnloaded();
}

bool Shell::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        for (auto& slot : slots_) {
            if (slot && slot->window_ == watched) {
                event->accept();
                Guarded([&slot] { slot->Unload(); })();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace torrentix
