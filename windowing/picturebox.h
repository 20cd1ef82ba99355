// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box: a sunken 2-pixel border and a picture drawn unscaled from the inner
// top-left corner, clipped to the inner area. It can hold the focus but shows no mark. On a
// screen of twice the density it shows the picture's name@2x twin where there is one, at the
// same size.
#pragma once

#include <QFrame>
#include <QIcon>
#include <QSize>
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
    // Read on first paint, so start-up does not pay for it. QIcon, unlike QPixmap, also reads
    // the @2x twin when the screen has the density for it.
    QIcon picture_;
    QSize size_; // the picture's own
};

} // namespace torrentix
