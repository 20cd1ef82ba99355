// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's identity as the desktop sees it: name, version, the menu entry it belongs to,
// and icon pictures that all show the same artwork.
#include "icondrawing.h"
#include "program.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QTest>

#include <algorithm>
#include <cstdlib>

class TestIdentity : public QObject {
    Q_OBJECT

private slots:
    void applicationIdentity();
    void desktopIcon_data();
    void desktopIcon();
};

void TestIdentity::applicationIdentity() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(app);
    torrentix::SetUpApplication(*app);
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Torrentix"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    // The desktop finds the menu entry, and with it the icon, by this name.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(TORRENTIX_DESKTOP_ID));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
             qPrintable(QDebug::toString(sizes)));
    // On a screen of twice the density (this test runs at scale 2 as well) Qt adds
    // torrentix@2x.ico: a 32-pixel icon is drawn from 64 pixels there.
    QCOMPARE(sizes.contains(QSize(64, 64)), qApp->devicePixelRatio() >= 2);
}

void TestIdentity::desktopIcon_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("icoFile");
    QTest::addColumn<int>("icoImages");
    QTest::addColumn<int>("icoImage"); // the image in the .ico that it shows
    QTest::newRow("16 x 16") << 16 << "torrentix.ico" << 3 << 2;
    QTest::newRow("32 x 32") << 32 << "torrentix.ico" << 3 << 1;
    // The larger ones show the 32 x 32 16-colour image, drawn smoothly; the 64 x 64 one is
    // what Qt takes from torrentix@2x.ico on a screen of twice the density.
    QTest::newRow("48 x 48") << 48 << "torrentix.ico" << 3 << 1;
    QTest::newRow("64 x 64") << 64 << "torrentix@2x.ico" << 2 << 0;
    QTest::newRow("32 x 32 in torrentix@2x.ico") << 32 << "torrentix@2x.ico" << 2 << 1;
    QTest::newRow("128 x 128") << 128 << "torrentix.ico" << 3 << 1;
    QTest::newRow("256 x 256") << 256 << "torrentix.ico" << 3 << 1;
}

// The committed PNG is what the generator draws now, and shows the .ico's image: pixel for
// pixel at its size; from a larger size reduced to it, the same picture but for the edges.
void TestIdentity::desktopIcon() {
    QFETCH(int, size);
    QFETCH(QString, icoFile);
    QFETCH(int, icoImages);
    QFETCH(int, icoImage);
    const QString assets = QStringLiteral(TORRENTIX_ASSETS_DIR);
    const QImage png = QImage(assets + QStringLiteral("/torrentix-%1.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(size, size));
    QCOMPARE(png, torrentix::art::ProgramIconImage(size).convertToFormat(QImage::Format_ARGB32));

    QImageReader reader(assets + QLatin1Char('/') + icoFile);
    QCOMPARE(reader.imageCount(), icoImages);
    QVERIFY(reader.jumpToImage(icoImage));
    const QImage ico = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (ico.width() < size) {
        const QImage reduced =
            png.scaled(ico.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        int apart = 0; // by more than a quarter of the range in a channel
        for (int y = 0; y < ico.height(); ++y) {
            for (int x = 0; x < ico.width(); ++x) {
                const QRgb a = reduced.pixel(x, y);
                const QRgb b = ico.pixel(x, y);
                const bool clear = qAlpha(a) == 0 && qAlpha(b) == 0;
                apart +=
                    !clear &&
                    std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                              std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) > 64;
            }
        }
        QVERIFY2(apart < ico.width() * ico.height() / 16, qPrintable(QString::number(apart)));
        return;
    }
    QCOMPARE(ico.size(), QSize(size, size));
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = png.pixel(x, y);
            const QRgb b = ico.pixel(x, y);
            // As drawn: Qt reads a 32-bit .ico image premultiplied, so a partly clear pixel's
            // colour comes back rounded.
            const bool same = qPremultiply(a) == qPremultiply(b);
            QVERIFY2(same, qPrintable(QStringLiteral("pixel %1,%2: png %3, ico %4")
                                          .arg(x)
                                          .arg(y)
                                          .arg(a, 8, 16)
                                          .arg(b, 8, 16)));
            opaque += qAlpha(a) == 255;
        }
    }
    QVERIFY(opaque > size * size / 2);
}

QTEST_MAIN(TestIdentity)
#include "tst_identity.moc"
