// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What every test of windows needs, whatever windows it builds.
#pragma once

#include <QCoreApplication>
#include <QRect>

namespace torrentix::testing {

// Designed rectangles are in twips, 15 to a pixel at 96 dpi.
inline QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

// Windows unloaded by a procedure go at the next turn of the event loop; this is that turn.
inline void flushUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace torrentix::testing
