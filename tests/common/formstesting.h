// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every test of windows needs, whatever windows it builds.
#pragma once

#include <QCoreApplication>

namespace torrentix::testing {

// Windows unloaded by a procedure go at the next turn of the event loop; this is that turn.
inline void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace torrentix::testing
