// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's artwork from its description and writes it into a folder:
//   torrentix-artgen <folder>
// writes banner.jpg (150 x 101), about.jpg (175 x 101), diagram.jpg (600 x 424), each also at
// twice the size as name@2x.jpg for screens of twice the density, torrentix.ico with
// torrentix@2x.ico, and for the Linux desktop the icon as torrentix-<size>.png at 16, 32, 48,
// 64, 128 and 256 pixels and as torrentix.svg.
// The output is committed in assets/; run this again after changing a drawing.
#include "icondrawing.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// A fixed pseudo-random sequence, so that every run draws the same picture.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53);
    }

private:
    std::uint64_t state_ = 0x746f7272656e7469ULL;
};

// The maker's picture: its name in red bold letters across a blue background with fine
// diagonal streaks, a small upright red bar at the left above the name and one at the
// right below it. Width and height are the 1x picture's; scale 2 draws the same picture with
// four pixels for each (the grain stays one pixel fine).
QImage makerPicture(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    Noise noise;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // The streaks as seen at the middle of this pixel, in pixels of the 1x picture.
            const double u = (x + 0.5) / scale - 0.5;
            const double v = (y + 0.5) / scale - 0.5;
            const double streak = 0.5 + 0.5 * std::sin((u + v) * 1.9 + 0.6 * std::sin(u * 0.21));
            const double grain = noise.next();
            const int blue = 150 + static_cast<int>(60 * streak + 30 * grain);
            const int green = 40 + static_cast<int>(35 * streak + 15 * grain);
            const int red = 10 + static_cast<int>(20 * grain);
            image.setPixel(x, y, qRgb(red, green, std::min(blue, 255)));
        }
    }
    image.setDevicePixelRatio(scale); // the painter works in pixels of the 1x picture
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor red(220, 20, 20);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(height * 23 / 100);
    painter.setFont(font);
    painter.setPen(red);
    const QRect nameBox(0, height * 33 / 100, width, height * 34 / 100);
    painter.drawText(nameBox, Qt::AlignCenter, QStringLiteral("Quorvane"));

    const int barWidth = std::max(4, width / 30);
    const int barHeight = height / 5;
    painter.fillRect(QRect(width / 12, nameBox.top() - barHeight - 4, barWidth, barHeight), red);
    painter.fillRect(
        QRect(width - width / 12 - barWidth, nameBox.bottom() + 5, barWidth, barHeight), red);
    return image;
}

// The diagram's colours.
const QColor lightCyan(192, 255, 255);
const QColor teal(0, 128, 128);
const QColor darkBrown(96, 48, 16);
const QColor orange(255, 140, 0);
const QColor stippleGrey(128, 128, 128);

QFont diagramFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(10);
    return font;
}

// A line one pixel of the 1x picture wide, through the pixels from one end to the other. At
// a higher scale the pen, as wide as that pixel, would sit centred on the pixels' corners and
// straddle two rows; it is moved to their middles.
void line(QPainter& painter, QPoint from, QPoint to) {
    if (painter.device()->devicePixelRatio() > 1)
        painter.drawLine(QLineF(from, to).translated(0.5, 0.5));
    else
        painter.drawLine(from, to);
}

// A rectangle's outline in such lines, one pixel wider and higher than the rectangle.
void frame(QPainter& painter, const QRect& rect) {
    if (painter.device()->devicePixelRatio() > 1)
        painter.drawRect(QRectF(rect).translated(0.5, 0.5));
    else
        painter.drawRect(rect);
}

// One pixel of the 1x picture.
void dot(QImage& image, int x, int y, QRgb colour) {
    const int scale = static_cast<int>(image.devicePixelRatio());
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx)
            image.setPixel(x * scale + dx, y * scale + dy, colour);
    }
}

// A vertical dimension line with short end ticks, from top to bottom inclusive.
void dimensionLine(QPainter& painter, int x, int top, int bottom) {
    painter.setPen(Qt::black);
    line(painter, {x, top}, {x, bottom});
    line(painter, {x - 4, top}, {x + 4, top});
    line(painter, {x - 4, bottom}, {x + 4, bottom});
}

// A box of the machine set: dark brown with an orange outline, corners inclusive.
void machineBox(QPainter& painter, int left, int top, int right, int bottom) {
    painter.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), orange);
    painter.fillRect(QRect(QPoint(left + 1, top + 1), QPoint(right - 1, bottom - 1)), darkBrown);
}

// The side view of a hydroelectric scheme, 600 x 424 pixels: line drawing on white, all of
// it between 77 and 567 across and 72 and 297 down, so it stays in the part of the
// diagram window's picture box that the window shows. Only the symbols h and H are drawn in
// it: the window writes the words over it in the user's language, in the reservoir, on the
// clear patch under it, under the machines and along the head line. Scale 2 draws it at
// twice the size, with the same coordinates.
QImage diagramPicture(int scale) {
    QImage image(600 * scale, 424 * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(diagramFont());

    // Ground below the reservoir: a grey dot stipple in a grey frame, reaching well left of
    // the dam.
    const QRect ground(QPoint(190, 122), QPoint(567, 267));
    for (int y = ground.top() + 2; y < ground.bottom(); y += 3) {
        const int shift = ((y - ground.top()) / 3) % 2 == 0 ? 0 : 2;
        for (int x = ground.left() + 2 + shift; x < ground.right(); x += 4)
            dot(image, x, y, stippleGrey.rgb());
    }
    painter.setPen(stippleGrey);
    line(painter, ground.topLeft(), ground.bottomLeft());
    line(painter, ground.bottomLeft(), ground.bottomRight());
    line(painter, ground.bottomRight(), ground.topRight());

    // Reservoir with the dam wall against its left side.
    const QRect reservoir(QPoint(338, 73), QPoint(566, 121));
    painter.fillRect(reservoir, lightCyan);
    painter.setPen(Qt::black);
    frame(painter, reservoir.adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(QPoint(314, 74), QPoint(337, 121)), Qt::black);

    // Penstock: from the foot of the dam diagonally down to the turbine, a teal pipe between
    // two black lines.
    const QPoint upperLeft(323, 123), upperRight(335, 123);
    const QPoint lowerLeft(170, 274), lowerRight(182, 274);
    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawPolygon(QPolygon({upperLeft, upperRight, lowerRight, lowerLeft}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    // Unlike the other lines these run along the edges of a fill, and stay centred on them.
    painter.drawLine(upperLeft, lowerLeft);
    painter.drawLine(upperRight, lowerRight);

    // A clear patch on the stipple, just under the reservoir, for the flow caption.
    painter.fillRect(QRect(350, 126, 120, 13), Qt::white);

    // Generator, shaft and turbine at the lower end of the pipe.
    machineBox(painter, 115, 267, 148, 284);
    machineBox(painter, 151, 272, 156, 279);
    machineBox(painter, 158, 267, 168, 284);
    painter.setPen(Qt::black);

    // Reservoir depth h, just left of the dam.
    dimensionLine(painter, 289, 73, 121);
    painter.drawText(QRect(QPoint(276, 90), QPoint(285, 104)), Qt::AlignCenter,
                     QStringLiteral("h"));

    // Water head H, from the reservoir's top down to the turbine.
    dimensionLine(painter, 90, 73, 279);
    painter.drawText(QRect(QPoint(95, 168), QPoint(106, 184)), Qt::AlignCenter,
                     QStringLiteral("H"));
    return image;
}

bool writeJpeg(const QImage& image, const QString& path) {
    if (!image.save(path, "JPEG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeFile(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torrentix-artgen <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // Qt takes name@2x.ext in place of name.ext where a screen has twice the density.
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        const auto path = [&](const char* name) {
            return folder.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".jpg"));
        };
        ok = writeJpeg(makerPicture(150, 101, scale), path("banner")) && ok;
        ok = writeJpeg(makerPicture(175, 101, scale), path("about")) && ok;
        ok = writeJpeg(diagramPicture(scale), path("diagram")) && ok;
    }
    ok = writeFile(torrentix::art::ProgramIcon(),
                   folder.filePath(QStringLiteral("torrentix.ico"))) &&
         ok;
    ok = writeFile(torrentix::art::ProgramIconAt2x(),
                   folder.filePath(QStringLiteral("torrentix@2x.ico"))) &&
         ok;
    ok = writeFile(torrentix::art::ProgramIconSvg(),
                   folder.filePath(QStringLiteral("torrentix.svg"))) &&
         ok;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("torrentix-%1.png").arg(size);
        if (!torrentix::art::ProgramIconImage(size).save(folder.filePath(name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
