// The program's identity as the desktop sees it: name, version, the menu entry it belongs to,
// and icon pictures that all show the same artwork.
#include "icondrawing.h"
#include "program.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QTest>

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
    torrentix::SetIdentity(*app);
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Torrentix"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    // The desktop finds the menu entry, and with it the icon, by this name.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(TORRENTIX_DESKTOP_ID));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
             qPrintable(QDebug::toString(sizes)));
}

void TestIdentity::desktopIcon_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("icoImage"); // its 16-colour image in torrentix.ico
    QTest::newRow("16 x 16") << 16 << 2;
    QTest::newRow("32 x 32") << 32 << 1;
}

// The committed PNG is what the generator draws now, and shows the .ico's 16-colour image.
void TestIdentity::desktopIcon() {
    QFETCH(int, size);
    QFETCH(int, icoImage);
    const QString assets = QStringLiteral(TORRENTIX_ASSETS_DIR);
    const QImage png = QImage(assets + QStringLiteral("/torrentix-%1.png").arg(size))
                           .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(size, size));
    QCOMPARE(png, torrentix::art::ProgramIconImage(size).convertToFormat(QImage::Format_ARGB32));

    QImageReader reader(assets + QStringLiteral("/torrentix.ico"));
    QCOMPARE(reader.imageCount(), 3);
    QVERIFY(reader.jumpToImage(icoImage));
    const QImage ico = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(ico.size(), QSize(size, size));
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb a = png.pixel(x, y);
            const QRgb b = ico.pixel(x, y);
            const bool same = qAlpha(a) == 0 ? qAlpha(b) == 0 : a == b;
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
