// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icondrawing.h"

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <vector>

namespace torrentix::art {
namespace {

// Indices into the standard 16-colour palette.
enum Colour : int {
    Transparent = -1,
    Black = 0,
    DarkGrey = 8,
    LightGrey = 7,
    Cyan = 14,
    White = 15,
};

constexpr std::array<std::array<std::uint8_t, 3>, 16> standardPalette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

using Picture = std::vector<std::vector<int>>; // [y][x], a palette index or Transparent

// Where the window sheet lies in the 16 and the 32 pixel drawing.
struct Sheet {
    int left, right, top;
    int step;   // columns per step down
    int height; // top edge to bottom edge
    int titleRows;
    int bandRows;
    int shadow;
    int shadowReach; // how far the shadow runs from the corner
};

Sheet sheetFor(int size) {
    if (size == 32)
        return {2, 27, 3, 5, 22, 4, 2, 2, 9};
    return {1, 13, 2, 4, 10, 2, 1, 1, 5};
}

// A window sheet seen at an angle: its top and bottom edges step down from left to right.
Picture drawSheet(int size) {
    const auto [left, right, top, step, height, titleRows, bandRows, shadow, shadowReach] =
        sheetFor(size);
    Picture picture(size, std::vector<int>(size, Transparent));
    const auto topAt = [&](int x) { return top + (x - left) / step; };
    for (int x = left; x <= right; ++x) {
        const int y0 = topAt(x);
        const int y1 = y0 + height;
        for (int y = y0; y <= y1; ++y) {
            int colour = White;
            if (x == left || x == right || y == y0 || y == y1)
                colour = Black;
            else if (y <= y0 + titleRows)
                colour = Cyan;
            else if (y <= y0 + titleRows + bandRows)
                colour = LightGrey;
            picture[y][x] = colour;
        }
    }
    // The shadow falls at the lower right corner.
    for (int x = right - shadowReach; x <= right + shadow; ++x) {
        const int edge = topAt(std::min(x, right)) + height;
        for (int d = 1; d <= shadow; ++d) {
            const int y = edge + d;
            if (x > left + shadow && y < size && x < size && picture[y][x] == Transparent)
                picture[y][x] = DarkGrey;
        }
    }
    for (int d = 1; d <= shadow; ++d) {
        const int x = right + d;
        const int bottom = topAt(right) + height;
        for (int y = bottom - shadowReach; y <= bottom + shadow; ++y) {
            if (x < size && y < size && y > topAt(right) + shadow && picture[y][x] == Transparent)
                picture[y][x] = DarkGrey;
        }
    }
    return picture;
}

// In black and white the title bar and the shadow are black, the band below it white.
int toBlackAndWhite(int colour) {
    switch (colour) {
    case Transparent:
        return Transparent;
    case White:
    case LightGrey:
        return 1;
    default:
        return 0;
    }
}

void put16(QByteArray& out, std::uint16_t v) {
    std::uint8_t b[2];
    qToLittleEndian(v, b);
    out.append(reinterpret_cast<const char*>(b), 2);
}
void put32(QByteArray& out, std::uint32_t v) {
    std::uint8_t b[4];
    qToLittleEndian(v, b);
    out.append(reinterpret_cast<const char*>(b), 4);
}

// One icon image: BITMAPINFOHEADER, palette, colour rows and mask rows, bottom row first.
QByteArray iconImage(const Picture& picture, int bitsPerPixel) {
    const int size = static_cast<int>(picture.size());
    const int colours = 1 << bitsPerPixel;
    const int colourStride = (size * bitsPerPixel + 31) / 32 * 4;
    const int maskStride = (size + 31) / 32 * 4;

    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2)); // colour rows and mask rows
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bitsPerPixel));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>((colourStride + maskStride) * size));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const auto& rgb = colours == 2 ? standardPalette[i == 0 ? 0 : 15] : standardPalette[i];
        out.append(static_cast<char>(rgb[2]));
        out.append(static_cast<char>(rgb[1]));
        out.append(static_cast<char>(rgb[0]));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < size; ++x) {
            int index = picture[y][x];
            if (bitsPerPixel == 1)
                index = toBlackAndWhite(index);
            if (index < 0)
                index = 0;
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            row[bit / 8] = static_cast<char>(row[bit / 8] | (index << shift));
        }
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (picture[y][x] == Transparent)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

// One 32-bit icon image with its alpha: BITMAPINFOHEADER, colour rows and mask rows, bottom
// row first.
QByteArray iconImage(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskStride = (size + 31) / 32 * 4;

    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>((size * 4 + maskStride) * size));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x)
            put32(out, image.pixel(x, y)); // little-endian ARGB is the file's BGRA
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

struct IconEntry {
    QByteArray image;
    int size;
    int bitsPerPixel;
};

// An icon file: header, directory, then the images in the same order.
QByteArray iconFile(const std::vector<IconEntry>& entries) {
    const auto count = static_cast<std::uint16_t>(entries.size());
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, count);
    std::uint32_t offset = 6 + 16 * count;
    for (const IconEntry& entry : entries) {
        out.append(static_cast<char>(entry.size));
        out.append(static_cast<char>(entry.size));
        // Colours: 0 stands for 256 or more.
        out.append(static_cast<char>(entry.bitsPerPixel >= 8 ? 0 : 1 << entry.bitsPerPixel));
        out.append('\0');
        put16(out, 1);
        put16(out, static_cast<std::uint16_t>(entry.bitsPerPixel));
        put32(out, static_cast<std::uint32_t>(entry.image.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(entry.image.size());
    }
    for (const IconEntry& entry : entries)
        out.append(entry.image);
    return out;
}

// The 32-pixel drawing as shapes, in its own pixels, for sizes that pixels cannot serve: each
// band is bounded by the line through the middles of the pixel drawing's steps, so that the
// shapes, sampled at the centres of a 32 x 32 grid, give the pixel drawing back.
struct Shape {
    Colour colour;
    QPolygonF outline;
};

std::vector<Shape> sheetShapes() {
    const auto [left, right, top, step, height, titleRows, bandRows, shadow, shadowReach] =
        sheetFor(32);
    const double end = right + 1; // the right edge's outer side
    const auto topAt = [&](double x) { return top - 0.5 + (x - left) / step; };
    // A band of the sheet between two lines parallel to its top edge.
    const auto band = [&](double x0, double x1, double from, double to) {
        return QPolygonF({QPointF(x0, topAt(x0) + from), QPointF(x1, topAt(x1) + from),
                          QPointF(x1, topAt(x1) + to), QPointF(x0, topAt(x0) + to)});
    };
    const double bottom = height + 1;          // the bottom edge's outer side, below the top
    const double corner = topAt(end) + bottom; // the sheet's lower right corner
    const double start = right - shadowReach;
    // The shadow reaches up under the sheet, so that no seam shows between the two where a
    // renderer smooths the edges.
    const QPolygonF shade({QPointF(start, topAt(start) + bottom - 1), QPointF(end, corner - 1),
                           QPointF(end, corner - 1 - shadowReach),
                           QPointF(end + shadow, corner - 1 - shadowReach),
                           QPointF(end + shadow, corner + shadow), QPointF(end, corner + shadow),
                           QPointF(start, topAt(start) + bottom + shadow)});
    // Each band is laid over the one before, down to the bottom edge.
    return {
        {DarkGrey, shade},
        {Black, band(left, end, 0, bottom)},
        {Cyan, band(left + 1, end - 1, 1, bottom - 1)},
        {LightGrey, band(left + 1, end - 1, 1 + titleRows, bottom - 1)},
        {White, band(left + 1, end - 1, 1 + titleRows + bandRows, bottom - 1)},
    };
}

QColor paletteColour(Colour colour) {
    const auto& rgb = standardPalette[static_cast<std::size_t>(colour)];
    return QColor(rgb[0], rgb[1], rgb[2]);
}

QImage pixelImage(const Picture& picture) {
    const int size = static_cast<int>(picture.size());
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int index = picture[y][x];
            if (index == Transparent) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const auto& rgb = standardPalette[static_cast<std::size_t>(index)];
            image.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
        }
    }
    return image;
}

// Drawn at eight times the size without smoothing, then each pixel made the mean of the 64
// it stands for, in whole numbers, so the result is the same on every machine. Smoothed
// shapes painted over one another would also let the lower ones tint the edges they share
// with the upper ones.
QImage smoothImage(int size) {
    constexpr int fine = 8;
    QImage image(size * fine, size * fine, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.scale(size * fine / 32.0, size * fine / 32.0);
    for (const Shape& shape : sheetShapes()) {
        painter.setBrush(paletteColour(shape.colour));
        painter.drawPolygon(shape.outline);
    }
    painter.end();

    QImage reduced(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int covered = 0, red = 0, green = 0, blue = 0; // every fine pixel is clear or opaque
            for (int dy = 0; dy < fine; ++dy) {
                for (int dx = 0; dx < fine; ++dx) {
                    const QRgb pixel = image.pixel(x * fine + dx, y * fine + dy);
                    if (qAlpha(pixel) == 0)
                        continue;
                    ++covered;
                    red += qRed(pixel);
                    green += qGreen(pixel);
                    blue += qBlue(pixel);
                }
            }
            const auto mean = [&](int sum) { return covered ? (sum + covered / 2) / covered : 0; };
            reduced.setPixel(x, y,
                             qRgba(mean(red), mean(green), mean(blue),
                                   (255 * covered + fine * fine / 2) / (fine * fine)));
        }
    }
    return reduced;
}

} // namespace

QImage ProgramIconImage(int size) {
    if (size == 16 || size == 32)
        return pixelImage(drawSheet(size));
    return smoothImage(size);
}

QByteArray ProgramIconSvg() {
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                     "viewBox=\"0 0 32 32\">\n";
    for (const Shape& shape : sheetShapes()) {
        out += "  <path fill=\"" + paletteColour(shape.colour).name().toLatin1() + "\" d=\"";
        for (qsizetype i = 0; i < shape.outline.size(); ++i) {
            const QPointF& point = shape.outline[i];
            out += (i == 0 ? "M" : " L") + QByteArray::number(point.x(), 'g', 6) + ',' +
                   QByteArray::number(point.y(), 'g', 6);
        }
        out += " Z\"/>\n";
    }
    out += "</svg>\n";
    return out;
}

QByteArray ProgramIcon() {
    return iconFile({
        {iconImage(drawSheet(32), 1), 32, 1},
        {iconImage(drawSheet(32), 4), 32, 4},
        {iconImage(drawSheet(16), 4), 16, 4},
    });
}

QByteArray ProgramIconAt2x() {
    return iconFile({
        {iconImage(ProgramIconImage(64)), 64, 32},
        {iconImage(ProgramIconImage(32)), 32, 32},
    });
}

} // namespace torrentix::art
