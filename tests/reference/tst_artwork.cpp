// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the windows show, checked as the program stores them: sizes, and the
// diagram's elements where its description puts them, with room for the words the window
// writes over it. Every check runs on the pictures and
// again on their twins for screens of twice the density (name@2x.jpg), brought back to the
// first size: the same drawing at twice the resolution.
#include "picturebox.h"
#include "upwardlabel.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTest>
#include <QTransform>

#include <algorithm>

namespace {
// The picture of the current scale: 1, or 2 for the name@2x twin.
QString atScale(QString path) {
    QFETCH_GLOBAL(int, scale);
    return scale == 1 ? path
                      : path.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

QImage diagram() {
    QFETCH_GLOBAL(int, scale);
    const QImage image = QImage(atScale(QStringLiteral(":/assets/diagram.jpg")))
                             .convertToFormat(QImage::Format_RGB32);
    return image.scaled(image.size() / scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The drawing's extent; the rest of the picture is white.
const QRect drawing(QPoint(77, 72), QPoint(567, 297));

// The colours of the drawing, with what JPEG does to them.
bool looksLike(const QString& colour, QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (colour == "white")
        return std::min({r, g, b}) >= 240;
    if (colour == "black")
        return std::max({r, g, b}) <= 50;
    if (colour == "dark")
        return qGray(pixel) <= 100;
    if (colour == "light cyan")
        return r >= 170 && r <= 215 && g >= 235 && b >= 235;
    if (colour == "teal")
        return r <= 50 && g >= 100 && g <= 160 && b >= 100 && b <= 160;
    if (colour == "dark brown")
        return r >= 70 && r <= 130 && g >= 25 && g <= 75 && b <= 45;
    if (colour == "orange")
        return r >= 180 && g >= 110 && g <= 180 && b <= 110 && r - b >= 100;
    return false;
}

// The box around the dark (ink) pixels of a region, or an empty box.
QRect ink(const QImage& image, const QRect& region) {
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (looksLike("dark", image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Mean grey-level difference of two images brought to the same size.
double difference(const QImage& a, const QImage& b) {
    const QImage scaled = b.scaled(a.size());
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(scaled.pixel(x, y)));
    }
    return sum / (a.width() * a.height());
}
} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
private slots:
    void initTestCase_data();
    void pictures_data();
    void pictures();
    void diagramColours_data();
    void diagramColours();
    void diagramWhiteOutsideDrawing();
    void diagramPenstockIsDoubleLine_data();
    void diagramPenstockIsDoubleLine();
    void diagramGroundIsStippled();
    void diagramDimensionLines_data();
    void diagramDimensionLines();
    void diagramCaptions_data();
    void diagramCaptions();
    void diagramWaterHeadReadsUpwards();
};

void TestArtwork::initTestCase_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TestArtwork::pictures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << ":/assets/banner.jpg" << QSize(150, 101);
    QTest::newRow("about") << ":/assets/about.jpg" << QSize(175, 101);
    QTest::newRow("diagram") << ":/assets/diagram.jpg" << QSize(600, 424);
}

void TestArtwork::pictures() {
    QFETCH_GLOBAL(int, scale);
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(atScale(path));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), size * scale);
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    QVERIFY(!picture.isNull());

    // On a screen of this density (this test runs at scale 2 as well) a picture box showing
    // the picture draws these very pixels, at the picture's own size.
    if (qRound(qApp->devicePixelRatio()) != scale)
        return;
    torrentix::PictureBox box;
    box.setPicture(path);
    box.resize(size + QSize(4, 4)); // the border is 2 pixels wide
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), (size + QSize(4, 4)) * scale);
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            wrong += shown.pixel(x + 2 * scale, y + 2 * scale) != picture.pixel(x, y) ? 1 : 0;
    }
    QCOMPARE(wrong, 0);
}

void TestArtwork::diagramColours_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("colour");
    QTest::newRow("reservoir, left") << QPoint(350, 90) << "light cyan";
    QTest::newRow("reservoir, middle") << QPoint(420, 85) << "light cyan";
    QTest::newRow("reservoir, right") << QPoint(560, 115) << "light cyan";
    QTest::newRow("reservoir outline, top") << QPoint(450, 73) << "dark";
    QTest::newRow("reservoir outline, right") << QPoint(566, 100) << "dark";
    QTest::newRow("dam wall, top") << QPoint(325, 76) << "black";
    QTest::newRow("dam wall, foot") << QPoint(316, 119) << "black";
    QTest::newRow("dam wall, right") << QPoint(336, 100) << "black";
    QTest::newRow("left of the dam wall") << QPoint(305, 100) << "white";
    QTest::newRow("penstock, top") << QPoint(326, 126) << "teal";
    QTest::newRow("penstock, middle") << QPoint(251, 200) << "teal";
    QTest::newRow("penstock, bottom") << QPoint(180, 270) << "teal";
    QTest::newRow("generator") << QPoint(131, 275) << "dark brown";
    QTest::newRow("generator, top outline") << QPoint(131, 267) << "orange";
    QTest::newRow("generator, left outline") << QPoint(115, 276) << "orange";
    QTest::newRow("shaft") << QPoint(153, 275) << "dark brown";
    QTest::newRow("above the shaft") << QPoint(153, 268) << "white";
    QTest::newRow("turbine") << QPoint(163, 275) << "dark brown";
    QTest::newRow("turbine, bottom outline") << QPoint(163, 284) << "orange";
    QTest::newRow("sky above the ground") << QPoint(240, 100) << "white";
    QTest::newRow("left of the ground") << QPoint(170, 200) << "white";
}

void TestArtwork::diagramColours() {
    QFETCH(QPoint, point);
    QFETCH(QString, colour);
    const QRgb pixel = diagram().pixel(point);
    QVERIFY2(looksLike(colour, pixel), qPrintable(QColor(pixel).name()));
}

void TestArtwork::diagramWhiteOutsideDrawing() {
    const QImage image = diagram();
    int stray = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            stray += !drawing.contains(x, y) && !looksLike("white", image.pixel(x, y)) ? 1 : 0;
    }
    QCOMPARE(stray, 0);
    // And the drawing reaches its extent: the ground's right edge and the line's top end.
    QCOMPARE(ink(image, QRect(0, 0, 600, 424)).left() <= 90, true);
    QVERIFY(!looksLike("white", image.pixel(567, 200)));
}

void TestArtwork::diagramPenstockIsDoubleLine_data() {
    QTest::addColumn<int>("y");
    QTest::newRow("near the dam") << 150;
    QTest::newRow("middle") << 200;
    QTest::newRow("near the turbine") << 250;
}

void TestArtwork::diagramPenstockIsDoubleLine() {
    QFETCH(int, y);
    const QImage image = diagram();
    // The pipe runs straight from 323..335 across at its top (123) to 170..182 at its foot
    // (274).
    const int left = 323 - (153 * (y - 123) + 75) / 151;
    const int right = left + 12;
    const auto darkNear = [&](int x) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (looksLike("dark", image.pixel(x + dx, y)))
                return true;
        }
        return false;
    };
    QVERIFY(darkNear(left));
    QVERIFY(darkNear(right));
    for (int x = left + 3; x <= right - 3; ++x)
        QVERIFY2(looksLike("teal", image.pixel(x, y)), qPrintable(QString::number(x)));
    QVERIFY(!looksLike("teal", image.pixel(left - 3, y)));
    QVERIFY(!looksLike("teal", image.pixel(right + 3, y)));
}

void TestArtwork::diagramGroundIsStippled() {
    const QImage image = diagram();
    const auto dots = [&](const QRect& region) {
        int grey = 0, black = 0;
        for (int y = region.top(); y <= region.bottom(); ++y) {
            for (int x = region.left(); x <= region.right(); ++x) {
                const int level = qGray(image.pixel(x, y));
                grey += level < 215 ? 1 : 0;
                black += level < 60 ? 1 : 0;
            }
        }
        return std::pair{double(grey) / (region.width() * region.height()), black};
    };
    // Fine grey dots all over the ground, clear of the pipe and the captions ...
    for (const QRect& patch : {QRect(420, 160, 120, 90), QRect(200, 140, 30, 40),
                               QRect(300, 230, 60, 30), QRect(500, 128, 50, 10)}) {
        const auto [share, black] = dots(patch);
        QVERIFY2(share > 0.05 && share < 0.5, qPrintable(QString::number(share)));
        QCOMPARE(black, 0);
    }
    // ... and none above it or left of it.
    QCOMPARE(dots(QRect(195, 80, 70, 38)).first, 0.0);
    QCOMPARE(dots(QRect(112, 130, 70, 115)).first, 0.0);
}

void TestArtwork::diagramDimensionLines_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::newRow("water head H") << 90 << 73 << 279;
    QTest::newRow("reservoir depth h") << 289 << 73 << 121;
}

void TestArtwork::diagramDimensionLines() {
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(int, bottom);
    const QImage image = diagram();
    for (int y = top; y <= bottom; ++y)
        QVERIFY2(looksLike("dark", image.pixel(x, y)), qPrintable(QString::number(y)));
    // Short ticks at both ends, and nothing beyond them.
    for (int end : {top, bottom}) {
        QVERIFY(looksLike("dark", image.pixel(x - 3, end)));
        QVERIFY(looksLike("dark", image.pixel(x + 3, end)));
        QVERIFY(looksLike("white", image.pixel(x - 8, end)));
        QVERIFY(looksLike("white", image.pixel(x + 8, end)));
    }
    QVERIFY(looksLike("white", image.pixel(x, top - 3)));
    QVERIFY(looksLike("white", image.pixel(x, bottom + 3)));
}

void TestArtwork::diagramCaptions_data() {
    QTest::addColumn<QRect>("region");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("minHeight");
    QTest::newRow("h, left of the dam") << QRect(270, 85, 17, 25) << 3 << 6;
    QTest::newRow("H, right of the head line") << QRect(93, 150, 20, 50) << 5 << 6;
    // The window writes the words in the user's language: their places stay clear.
    QTest::newRow("no reservoir word") << QRect(340, 75, 225, 45) << 0 << 0;
    QTest::newRow("no flow word on its patch") << QRect(350, 126, 120, 13) << 0 << 0;
    QTest::newRow("no head word left of its line") << QRect(77, 80, 8, 192) << 0 << 0;
    QTest::newRow("no machine words under them") << QRect(97, 287, 160, 20) << 0 << 0;
}

void TestArtwork::diagramCaptions() {
    QFETCH(QRect, region);
    QFETCH(int, minWidth);
    QFETCH(int, minHeight);
    const QRect text = ink(diagram(), region);
    QCOMPARE(text.isEmpty(), minWidth == 0);
    QVERIFY2(text.width() >= minWidth && text.height() >= minHeight,
             qPrintable(QStringLiteral("%1 x %2").arg(text.width()).arg(text.height())));
}

void TestArtwork::diagramWaterHeadReadsUpwards() {
    // As the diagram window writes it along the head line.
    torrentix::UpwardLabel label(QStringLiteral("Water Head"));
    label.setAlignment(Qt::AlignCenter);
    label.resize(15, 192);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(10);
    label.setFont(font);
    label.setPalette(QPalette(Qt::black, Qt::white));
    const QImage image = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect box = ink(image, image.rect());
    QVERIFY(box.height() > 3 * box.width());
    const QImage caption = image.copy(box);

    // The caption as written left to right, then turned either way.
    QImage flat(120, 20, QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.setFont(font);
        painter.drawText(flat.rect(), Qt::AlignCenter, QStringLiteral("Water Head"));
    }
    const QImage written = flat.copy(ink(flat, flat.rect()));
    const QImage upwards = written.transformed(QTransform().rotate(-90));
    const QImage downwards = written.transformed(QTransform().rotate(90));
    QVERIFY2(difference(caption, upwards) < difference(caption, downwards) / 2,
             qPrintable(QStringLiteral("%1 / %2")
                            .arg(difference(caption, upwards))
                            .arg(difference(caption, downwards))));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
