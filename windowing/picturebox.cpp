// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include <QImageReader>
#include <QPainter>

namespace torrentix {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QString& path) {
    path_ = path;
    picture_ = QIcon();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull() && !path_.isEmpty()) {
        picture_ = QIcon(path_);
        size_ = QImageReader(path_).size();
    }
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    // Asked for its own size, the icon gives the picture itself, or its twin with the ratio
    // set that draws it at that size.
    painter.drawPixmap(inner.topLeft(), picture_.pixmap(size_, devicePixelRatioF()));
}

} // namespace torrentix
