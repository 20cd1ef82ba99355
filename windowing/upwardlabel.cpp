// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "upwardlabel.h"

#include <QPainter>
#include <QStyle>

namespace torrentix {

void UpwardLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.translate(0, height());
    painter.rotate(-90);
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    style()->drawItemText(&painter, rect().transposed(), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}

} // namespace torrentix
