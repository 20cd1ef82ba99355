// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tells a screen reader what a procedure has just shown, without moving the keyboard focus.
// Screen readers pass over a label whose text merely changes unless it has the focus, but they
// present a notification that appears. An Announcement puts up such a notification: a control
// of no size, drawn nowhere and never focused. It is what a live region is on the web.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <deque>

namespace torrentix {

// Gives notifications the accessible role and name screen readers present. Once per process,
// before the first window.
void InstallAccessibleNotifications();

// One message as a screen reader finds it: a notification whose name is the message.
class Notification : public QWidget {
    Q_OBJECT
public:
    Notification(QWidget& window, const QString& message);

    QString message() const { return message_; }

private:
    QString message_;
};

class Announcement : public QObject {
    Q_OBJECT
public:
    // Belongs to the window; nothing is presented until the first message.
    explicit Announcement(QWidget& window);

    // Presents the message: a new notification appears, with the message as its name, and
    // the one before it goes.
    void Announce(const QString& message);
    // The notification goes; nothing is presented.
    void Withdraw();

private:
    QWidget& window_;
    Notification* current_ = nullptr; // a child of the window
    // Hidden notifications, oldest first, kept so that a screen reader working through its
    // queue late still finds each one it was told about, with its name.
    std::deque<QPointer<Notification>> withdrawn_;
};

} // namespace torrentix
