// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <cstddef>

namespace torrentix {
namespace {
// How many hidden notifications stay. A screen reader on a busy machine handles a notification's
// appearance seconds late, after the next press of Solve or Reset: asked then, a destroyed one
// has no name left to read, and the reader says nothing for it. Eight is far more than a reader
// falls behind; older ones go, so that a long session does not pile them up.
constexpr std::size_t keptWithdrawn = 8;

// The notification's name is the message. It is not set as the accessible name, whose change
// screen readers would be sent first and some fail on; they read the name when it appears.
class AccessibleNotification : public QAccessibleWidget {
public:
    explicit AccessibleNotification(Notification* notification)
        : QAccessibleWidget(notification, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const Notification*>(widget())->message();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleNotification(const QString& className, QObject* object) {
    if (className == QLatin1String(Notification::staticMetaObject.className()))
        return new AccessibleNotification(static_cast<Notification*>(object));
    return nullptr;
}
} // namespace

void InstallAccessibleNotifications() {
    QAccessible::installFactory(accessibleNotification);
}

Notification::Notification(QWidget& window, const QString& message)
    : QWidget(&window), message_(message) {
    setObjectName(QStringLiteral("Announcement"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Announcement::Announcement(QWidget& window) : QObject(&window), window_(window) {}

void Announcement::Announce(const QString& message) {
    // Each message is a notification of its own. One notification hidden and shown again at
    // once, even with a new name, reaches a screen reader as two changes of one object in the
    // same instant, and a screen reader may drop the second.
    Withdraw();
    current_ = new Notification(window_, message);
    current_->show();
}

void Announcement::Withdraw() {
    if (current_ == nullptr)
        return;
    current_->hide(); // tells a screen reader it is gone; it stays to be asked about
    withdrawn_.emplace_back(current_);
    current_ = nullptr;
    while (withdrawn_.size() > keptWithdrawn) {
        delete withdrawn_.front(); // null if the window already took it
        withdrawn_.pop_front();
    }
}

} // namespace torrentix
