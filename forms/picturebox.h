// A picture box: a sunken 2-pixel border and a picture drawn unscaled from the inner
// top-left corner, clipped to the inner area. It can hold the focus but shows no mark.
#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

namespace torrentix {

class PictureBox : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QString picture() const { return path_; }
    void setPicture(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
    QPixmap pixmap_; // decoded on first paint, so start-up does not pay for it
};

} // namespace torrentix
