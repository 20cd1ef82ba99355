// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A label whose text reads upwards, turned a quarter to the left, as a caption along an
// upright line: laid out in its box turned the same way, so its height is the text's width.
// A screen reader reads it as any label.
#pragma once

#include <QLabel>

namespace torrentix {

class UpwardLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace torrentix
