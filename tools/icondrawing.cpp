#include "icondrawing.h"

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

// A window sheet seen at an angle: its top and bottom edges step down from left to right.
Picture drawSheet(int size) {
    const bool large = size == 32;
    const int left = large ? 2 : 1;
    const int right = large ? 27 : 13;
    const int top = large ? 3 : 2;
    const int step = large ? 5 : 4;     // columns per step down
    const int height = large ? 22 : 10; // top edge to bottom edge
    const int titleRows = large ? 4 : 2;
    const int bandRows = large ? 2 : 1;
    const int shadow = large ? 2 : 1;
    const int shadowReach = large ? 9 : 5; // how far the shadow runs from the corner

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

} // namespace

QImage ProgramIconImage(int size) {
    const Picture picture = drawSheet(size);
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

QByteArray ProgramIcon() {
    const QByteArray images[] = {
        iconImage(drawSheet(32), 1),
        iconImage(drawSheet(32), 4),
        iconImage(drawSheet(16), 4),
    };
    const int sizes[] = {32, 32, 16};
    const int bits[] = {1, 4, 4};

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, 3);
    std::uint32_t offset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        out.append(static_cast<char>(sizes[i]));
        out.append(static_cast<char>(sizes[i]));
        out.append(static_cast<char>(1 << bits[i])); // colours
        out.append('\0');
        put16(out, 1);
        put16(out, static_cast<std::uint16_t>(bits[i]));
        put32(out, static_cast<std::uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace torrentix::art
