// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tells a screen reader what a procedure has just shown, without moving the keyboard focus.
// Screen readers pass over a label whose text merely changes unless it has the focus, but they
// present a notification that appears. An Announcement is such a notification: a control of
// no size, drawn nowhere and never focused, that shows itself anew with each message. It is
// what a live region is on the web.
#pragma once

#include <QString>
#include <QWidget>

namespace torrentix {

class Announcement : public QWidget {
    Q_OBJECT
public:
    // A child of the window, hidden until the first message.
    explicit Announcement(QWidget& window);

    // Presents the message: the notification appears, with the message as its name.
    void Announce(const QString& message);
    // The notification goes; nothing is presented.
    void Withdraw();

    QString message() const { return message_; }

private:
    QString message_;
};

} // namespace torrentix
