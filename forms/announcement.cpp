// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace torrentix {
namespace {
// The notification's name is the message. It is not set as the accessible name, whose change
// screen readers would be sent first and some fail on; they read the name when it appears.
class AccessibleAnnouncement : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncement(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const Announcement*>(widget())->message();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleAnnouncement(const QString& className, QObject* object) {
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new AccessibleAnnouncement(static_cast<Announcement*>(object));
    return nullptr;
}
} // namespace

Announcement::Announcement(QWidget& window) : QWidget(&window) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleAnnouncement);
        return true;
    }();
    static_cast<void>(installed);
    setObjectName(QStringLiteral("Announcement"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcement::Announce(const QString& message) {
    hide();
    message_ = message;
    show();
}

void Announcement::Withdraw() {
    hide();
    message_.clear();
}

} // namespace torrentix
