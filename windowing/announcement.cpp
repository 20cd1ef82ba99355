// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace torrentix {
namespace {
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
    current_->hide(); // tells a screen reader it is gone, before it is
    delete current_;
    current_ = nullptr;
}

} // namespace torrentix
