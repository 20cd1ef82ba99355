// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window as it opens: every control where it belongs, how it looks, and how
// the keyboard moves through it.
#include "design.h"
#include "palettes.h"
#include "programfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include <optional>

using torrentix::testing::desktopPalette;
using torrentix::testing::DesktopPalette;
using torrentix::testing::desktopPaletteNames;
using torrentix::testing::RunningProgram;
using torrentix::testing::twips;

namespace {
QColor face() {
    return QApplication::palette().color(QPalette::Window);
}
} // namespace

class TestCalculatorDesign : public QObject {
    Q_OBJECT
private slots:
    void window();
    void controls_data();
    void controls();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void colours_data();
    void colours();
    void stacking();
    void initialState();
    void tabCycle();
    void resizingMovesNothing();
    void longMistakeTextWraps();
    void hiddenLabelsComeBackAsTheyWere();
    void pictureShowsBannerUnscaled();
    void inputsTellTheirCaptionAndUnit_data();
    void inputsTellTheirCaptionAndUnit();
};

void TestCalculatorDesign::window() {
    RunningProgram f;
    QCOMPARE(f.calculator->objectName(), QStringLiteral("Frm_Hydropower"));
    QCOMPARE(f.calculator->windowTitle(), QStringLiteral("Quorvane's  Torrentix"));
    QCOMPARE(f.calculator->size(), QSize(725, 440));
    QVERIFY(f.calculator->isVisible());
    QVERIFY(f.calculator->isWindow());
    QCOMPARE(f.calculator->parentWidget(), nullptr);
    // 28 controls: four input boxes, six buttons, seventeen labels and one picture.
    QCOMPARE(f.calculator->findChildren<QLineEdit*>().size(), 4);
    QCOMPARE(f.calculator->findChildren<QPushButton*>().size(), 6);
    QCOMPARE(f.calculator->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(), 17);
    QCOMPARE(f.calculator->findChildren<QFrame*>(QStringLiteral("Picture1")).size(), 1);
    // Centred on the screen, give or take the frame, which is known only once it is shown.
    const QPoint offset = f.calculator->frameGeometry().center() -
                          f.calculator->screen()->availableGeometry().center();
    QVERIFY(offset.manhattanLength() <= 8);
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Torrentix"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    QVERIFY(!f.calculator->windowIcon().isNull());
}

void TestCalculatorDesign::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment"); // labels only; 0 for other controls

    const int left = Qt::AlignLeft | Qt::AlignTop;
    const int right = Qt::AlignRight | Qt::AlignTop;
    const int centre = Qt::AlignHCenter | Qt::AlignTop;
    auto row = [](const char* name, QRect rect, const char* text, double points, bool bold,
                  int alignment) {
        QTest::newRow(name) << QString::fromLatin1(name) << rect << QString::fromUtf8(text)
                            << points << bold << alignment;
    };
    row("Txt_Q", twips(2760, 1620, 1215, 495), "", 9.75, false, 0);
    row("Txt_H", twips(2760, 2220, 1215, 495), "", 9.75, false, 0);
    row("Txt_n", twips(2760, 2820, 1215, 495), "", 8.25, false, 0);
    row("Txt_m", twips(2760, 3420, 1215, 495), "", 8.25, false, 0);
    row("Command1", twips(9060, 2280, 1215, 495), "Solve", 8.25, true, 0);
    row("Command2", twips(9060, 3180, 1215, 495), "Reset", 8.25, true, 0);
    row("Command6", twips(7500, 4080, 1215, 495), "Formula", 8.25, true, 0);
    row("Command4", twips(9060, 4080, 1215, 495), "Diagram", 8.25, true, 0);
    row("Command3", twips(6840, 180, 1215, 495), "About", 8.25, true, 0);
    row("Command5", twips(9060, 4980, 1215, 495), "Exit", 8.25, true, 0);
    row("Label7", twips(240, 240, 7155, 495), "Hydro Power Energy for Electricity", 18, true, left);
    row("Label1", twips(900, 1620, 1755, 495), "Water Discharge Rate", 8.25, true, right);
    row("Label4", twips(4080, 1680, 1155, 495), "Cu.Mts/Sec.", 8.25, true, left);
    row("Label2", twips(1440, 2340, 1215, 495), "Water Head", 8.25, true, right);
    row("Label5", twips(4080, 2280, 615, 495), "meters", 8.25, true, left);
    row("Label8", twips(960, 2820, 1695, 495), "Generating Plant Efficiency", 8.25, true, left);
    row("Label11", twips(4080, 2820, 1215, 495), " %", 8.25, true, left);
    row("Label9", twips(1020, 3420, 1635, 495), "Water Turbine Efficiency", 8.25, true, left);
    row("Label12", twips(4020, 3420, 1215, 495), " %", 8.25, true, left);
    row("Lbl_e", twips(5460, 2100, 2535, 1335), "", 18, true, centre);
    row("Lbl_n", twips(0, 4080, 1695, 495), "Available Power", 9.75, true, right);
    row("Lbl_v", twips(1740, 4140, 3135, 495), "", 9.75, true, centre);
    row("Lbl_q", twips(4980, 4200, 1215, 495), "kW", 9.75, true, left);
    row("Lbl_y", twips(780, 4680, 855, 495), "", 9.75, true, right);
    row("Lbl_v2", twips(1740, 4740, 3135, 495), "", 9.75, true, centre);
    row("Lbl_o", twips(4980, 4800, 1215, 495), "MW", 9.75, true, left);
    row("Lbl_p", twips(5940, 6120, 4695, 255), "*  Use  Tab  key to  navigate", 9.75, true, centre);
}

void TestCalculatorDesign::controls() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(int, alignment);

    RunningProgram f;
    QWidget* control = f.calculator->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), rect);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(QFontInfo(control->font()).pixelSize(), qRound(points * 96 / 72));
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment()), alignment);
        QVERIFY(label->wordWrap());
        QVERIFY(label->autoFillBackground()); // opaque
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isDefault());
        QVERIFY(!text.contains(QLatin1Char('&'))); // no access keys
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(box->text(), text);
        QCOMPARE(box->maxLength(), std::numeric_limits<int>::max()); // no length limit
        QVERIFY(!box->accessibleName().isEmpty());
    } else {
        QFAIL("unexpected kind of control");
    }
}

void TestCalculatorDesign::captionsFitTheirBoxes_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Label7", "Label1", "Label4", "Label2", "Label5", "Label8", "Label11",
                             "Label9", "Label12", "Lbl_n", "Lbl_q", "Lbl_o", "Lbl_p", "Command1",
                             "Command2", "Command6", "Command4", "Command3", "Command5"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCalculatorDesign::captionsFitTheirBoxes() {
    // With the stand-in face, no fixed caption is cut off by its box.
    QFETCH(QString, name);
    RunningProgram f;
    QWidget* control = f.calculator->findChild<QWidget*>(name);
    const QString text = control->property("text").toString();
    const QFontMetrics metrics(control->font());
    const QRect needed =
        metrics.boundingRect(QRect(QPoint(0, 0), control->size()),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    QVERIFY2(needed.width() <= control->width() && needed.height() <= control->height(),
             qPrintable(QStringLiteral("needs %1 x %2").arg(needed.width()).arg(needed.height())));
    // Words are never broken inside: each word fits the width on its own.
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QVERIFY(metrics.horizontalAdvance(word) <= control->width());
}

void TestCalculatorDesign::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("palette");   // the desktop's; empty: the one the tests start with
    QTest::addColumn<bool>("whileRunning"); // the desktop palette changes while the window is open
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text"); // invalid: any readable colour of the designed hue
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    const QString light;
    QTest::newRow("kW bar light yellow")
        << "Lbl_v" << light << false << QColor(255, 255, 192) << text;
    QTest::newRow("MW bar yellow") << "Lbl_v2" << light << false << QColor(255, 255, 0) << text;
    QTest::newRow("hint light green") << "Lbl_p" << light << false << QColor(192, 255, 192) << text;
    QTest::newRow("mistake navy") << "Lbl_e" << light << false << face() << QColor(0, 0, 128);
    QTest::newRow("heading") << "Label7" << light << false << face() << text;
    QTest::newRow("Available Power") << "Lbl_n" << light << false << face() << text;

    // Under dark and high-contrast palettes the designed backgrounds stay and keep dark text,
    // the navy mistake text turns a blue that reads on the desktop's background, and the rest
    // takes the desktop's own colours.
    for (const QString& palette : desktopPaletteNames()) {
        const QPalette desktop = desktopPalette(palette);
        const QColor theirFace = desktop.color(QPalette::Window);
        const QColor theirText = desktop.color(QPalette::WindowText);
        for (const bool whileRunning : {false, true}) {
            auto row = [&](const char* what, const char* name, const QColor& background,
                           const QColor& text) {
                QTest::addRow("%s, %s%s", what, qPrintable(palette),
                              whileRunning ? " while open" : "")
                    << QString::fromLatin1(name) << palette << whileRunning << background << text;
            };
            row("kW bar light yellow", "Lbl_v", QColor(255, 255, 192), Qt::black);
            row("MW bar yellow", "Lbl_v2", QColor(255, 255, 0), Qt::black);
            row("hint light green", "Lbl_p", QColor(192, 255, 192), Qt::black);
            row("mistake navy", "Lbl_e", theirFace, QColor());
            row("heading", "Label7", theirFace, theirText);
            row("Available Power", "Lbl_n", theirFace, theirText);
        }
    }
}

void TestCalculatorDesign::colours() {
    QFETCH(QString, name);
    QFETCH(QString, palette);
    QFETCH(bool, whileRunning);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    std::optional<DesktopPalette> desktop;
    if (!whileRunning)
        desktop.emplace(palette);
    RunningProgram f;
    if (whileRunning)
        desktop.emplace(palette);
    QLabel* label = f.calculator->findChild<QLabel*>(name);
    QCOMPARE(label->palette().color(QPalette::Window), background);
    const QColor shown = label->palette().color(QPalette::WindowText);
    if (text.isValid())
        QCOMPARE(shown, text);
    else
        QCOMPARE(shown.hslHue(), QColor(0, 0, 128).hslHue());
    // Whatever the palette, the text reads on its background (WCAG: at least 4.5 to 1).
    QVERIFY2(torrentix::ContrastRatio(shown, background) >= 4.5,
             qPrintable(shown.name() + " on " + background.name()));
    // What is painted: the box is filled edge to edge with its background.
    const QImage image = label->grab().toImage();
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), background);
    QCOMPARE(image.pixelColor(0, image.height() - 1), background);
}

void TestCalculatorDesign::stacking() {
    // Buttons lie over labels: the About button covers the end of the heading's box.
    RunningProgram f;
    QWidget* about = f.button("Command3");
    QVERIFY(f.label("Label7")->geometry().intersects(about->geometry()));
    QCOMPARE(f.calculator->childAt(about->geometry().center()), about);
    const QImage image = f.calculator->grab().toImage();
    const QImage button = about->grab().toImage();
    const QPoint inside(about->width() / 2, 3);
    QCOMPARE(image.pixelColor(about->geometry().topLeft() + inside), button.pixelColor(inside));
}

void TestCalculatorDesign::initialState() {
    RunningProgram f;
    QVERIFY(QTest::qWaitForWindowActive(f.calculator));
    QCOMPARE(QApplication::focusWidget(), f.box("Txt_Q"));
    for (const char* name : {"Lbl_v", "Lbl_v2", "Lbl_e", "Lbl_y"}) {
        QVERIFY(f.label(name)->text().isEmpty());
        QVERIFY(f.label(name)->isVisible());
    }
    QCOMPARE(f.label("Lbl_n")->text(), QStringLiteral("Available Power"));
    QCOMPARE(f.label("Lbl_q")->text(), QStringLiteral("kW"));
    QCOMPARE(f.label("Lbl_o")->text(), QStringLiteral("MW"));
    // The empty bars show their colours.
    const QImage image = f.calculator->grab().toImage();
    QCOMPARE(image.pixelColor(f.label("Lbl_v")->geometry().center()), QColor(255, 255, 192));
    QCOMPARE(image.pixelColor(f.label("Lbl_v2")->geometry().center()), QColor(255, 255, 0));
}

void TestCalculatorDesign::tabCycle() {
    RunningProgram f;
    QVERIFY(QTest::qWaitForWindowActive(f.calculator));
    const QStringList cycle = {"Txt_Q",    "Txt_H",    "Txt_n",    "Txt_m",
                               "Command1", "Command2", "Command6", "Command4",
                               "Command3", "Command5", "Picture1", "Txt_Q"};
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
    for (qsizetype i = cycle.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
}

void TestCalculatorDesign::resizingMovesNothing() {
    RunningProgram f;
    QHash<QString, QRect> before;
    for (QWidget* w : f.calculator->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        before.insert(w->objectName(), w->geometry());
    for (const QSize size : {QSize(1200, 900), QSize(300, 200), QSize(725, 440)}) {
        f.calculator->resize(size);
        QCoreApplication::processEvents();
        for (QWidget* w :
             f.calculator->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QCOMPARE(w->geometry(), before.value(w->objectName()));
    }
    f.calculator->showMaximized();
    QCoreApplication::processEvents();
    for (QWidget* w : f.calculator->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        QCOMPARE(w->geometry(), before.value(w->objectName()));
}

void TestCalculatorDesign::longMistakeTextWraps() {
    // The mistake text is wider than its box at 18 pt bold: it breaks onto centred lines.
    RunningProgram f;
    f.type("abc", "1", "1", "1");
    f.solve();
    QLabel* mistake = f.label("Lbl_e");
    QCOMPARE(mistake->text(), QStringLiteral("OOOps..A Mistake !"));
    const QImage image = mistake->grab().toImage();
    int top = image.height(), bottom = -1, leftmost = image.width(), rightmost = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).blue() > image.pixelColor(x, y).red() + 60) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    const int lineHeight = QFontMetrics(mistake->font()).height();
    QVERIFY2(bottom - top > lineHeight, "the text should take more than one line");
    QVERIFY(top < lineHeight / 2); // drawn from the top
    // Centred: about as much room on the left as on the right.
    QVERIFY(std::abs(leftmost - (image.width() - 1 - rightmost)) <= 12);
}

void TestCalculatorDesign::hiddenLabelsComeBackAsTheyWere() {
    RunningProgram f;
    const QImage before = f.calculator->grab().toImage();
    f.type("0", "", "", "");
    f.solve();
    const QImage hidden = f.calculator->grab().toImage();
    // Hidden labels leave the window background in their place.
    QCOMPARE(hidden.pixelColor(f.label("Lbl_v")->geometry().center()), face());
    QCOMPARE(hidden.pixelColor(f.label("Lbl_n")->geometry().center()), face());
    f.reset();
    QCOMPARE(f.calculator->grab().toImage(), before);
}

void TestCalculatorDesign::pictureShowsBannerUnscaled() {
    RunningProgram f;
    QWidget* picture = f.calculator->findChild<QWidget*>(QStringLiteral("Picture1"));
    QCOMPARE(picture->geometry(), QRect(564, 12, 149, 105));
    QCOMPARE(picture->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    const QImage banner(QStringLiteral(":/assets/banner.jpg"));
    QCOMPARE(banner.size(), QSize(150, 101));
    const QImage shown = picture->grab().toImage();
    // Inside the 2-pixel border the image starts at the top-left, unscaled, cut at the right.
    for (const QPoint p : {QPoint(0, 0), QPoint(70, 50), QPoint(144, 100), QPoint(10, 90)})
        QCOMPARE(shown.pixelColor(p + QPoint(2, 2)), banner.pixelColor(p));
    // The sunken border is intact on the right: the picture does not draw over it.
    QVERIFY(shown.pixelColor(148, 50) != banner.pixelColor(146, 50));
    // Focus shows no mark: the picture looks the same with and without it.
    const QImage unfocused = picture->grab().toImage();
    picture->setFocus(Qt::TabFocusReason);
    QCOMPARE(picture->grab().toImage(), unfocused);
}

void TestCalculatorDesign::inputsTellTheirCaptionAndUnit_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption"); // the label on its row
    QTest::addColumn<QString>("unit");
    QTest::newRow("Txt_Q") << "Txt_Q"
                           << "Label1"
                           << "Cubic meters per second";
    QTest::newRow("Txt_H") << "Txt_H"
                           << "Label2"
                           << "meters";
    QTest::newRow("Txt_n") << "Txt_n"
                           << "Label8"
                           << "percent";
    QTest::newRow("Txt_m") << "Txt_m"
                           << "Label9"
                           << "percent";
}

void TestCalculatorDesign::inputsTellTheirCaptionAndUnit() {
    // What a screen reader finds on an input box: its caption as name, labelled by the caption
    // label, and its unit as description.
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, unit);
    RunningProgram f;
    QAccessibleInterface* input = QAccessible::queryAccessibleInterface(f.box(qPrintable(box)));
    QAccessibleInterface* label =
        QAccessible::queryAccessibleInterface(f.label(qPrintable(caption)));
    QVERIFY(input != nullptr && label != nullptr);
    QCOMPARE(input->text(QAccessible::Name), f.label(qPrintable(caption))->text());
    QCOMPARE(input->text(QAccessible::Description), unit);
    QStringList labelledBy;
    for (const auto& relation : input->relations(QAccessible::Label))
        labelledBy.append(relation.first->object()->objectName());
    QCOMPARE(labelledBy, QStringList{caption});
    // The captions stay as they were: no access key.
    QVERIFY(!f.label(qPrintable(caption))->text().contains(QLatin1Char('&')));
}

QTEST_MAIN(TestCalculatorDesign)
#include "tst_calculatordesign.moc"
