#include "picturebox.h"

#include <QPainter>

namespace torrentix {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QString& path) {
    path_ = path;
    pixmap_ = QPixmap();
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (pixmap_.isNull() && !path_.isEmpty())
        pixmap_.load(path_);
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.drawPixmap(inner.topLeft(), pixmap_);
}

} // namespace torrentix
