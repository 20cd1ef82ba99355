// Draws the program's artwork from its description and writes it into a folder:
//   torrentix-artgen <folder>
// writes banner.jpg (150 x 101), about.jpg (175 x 101), torrentix.ico and the icon's
// 16-colour images as torrentix-16.png and torrentix-32.png for the Linux desktop.
// The output is committed in assets/; run this again after changing a drawing.
#include "icondrawing.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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
// right below it.
QImage makerPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    Noise noise;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double streak = 0.5 + 0.5 * std::sin((x + y) * 1.9 + 0.6 * std::sin(x * 0.21));
            const double grain = noise.next();
            const int blue = 150 + static_cast<int>(60 * streak + 30 * grain);
            const int green = 40 + static_cast<int>(35 * streak + 15 * grain);
            const int red = 10 + static_cast<int>(20 * grain);
            image.setPixel(x, y, qRgb(red, green, std::min(blue, 255)));
        }
    }
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
    painter.fillRect(QRect(width - width / 12 - barWidth, nameBox.bottom() + 5, barWidth, barHeight),
                     red);
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
    bool ok = writeJpeg(makerPicture(150, 101), folder.filePath(QStringLiteral("banner.jpg")));
    ok = writeJpeg(makerPicture(175, 101), folder.filePath(QStringLiteral("about.jpg"))) && ok;
    ok = writeFile(torrentix::art::ProgramIcon(), folder.filePath(QStringLiteral("torrentix.ico"))) &&
         ok;
    for (const int size : {16, 32}) {
        const QString name = QStringLiteral("torrentix-%1.png").arg(size);
        if (!torrentix::art::ProgramIconImage(size).save(folder.filePath(name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
