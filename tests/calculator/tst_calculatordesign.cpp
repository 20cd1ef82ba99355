// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculator window alone shows beyond its design: the long mistake text, the result
// labels coming back after Reset, and what a screen reader finds on the input boxes. The rules
// every window keeps (controls, fonts, colours, pictures, tab order) are tst_referencewindows'.
#include "programfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>

using torrentix::testing::RunningProgram;

class TestCalculatorDesign : public QObject {
    Q_OBJECT
private slots:
    void longMistakeTextWraps();
    void hiddenLabelsComeBackAsTheyWere();
    void inputsTellTheirCaptionAndUnit_data();
    void inputsTellTheirCaptionAndUnit();
};

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
    const QColor face = f.calculator->palette().color(QPalette::Window);
    QCOMPARE(hidden.pixelColor(f.label("Lbl_v")->geometry().center()), face);
    QCOMPARE(hidden.pixelColor(f.label("Lbl_n")->geometry().center()), face);
    f.reset();
    QCOMPARE(f.calculator->grab().toImage(), before);
}

void TestCalculatorDesign::inputsTellTheirCaptionAndUnit_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption"); // the label on its row
    QTest::addColumn<QString>("unit");
    const char* const rows[][3] = {{"Txt_Q", "Label1", "Cubic meters per second"},
                                   {"Txt_H", "Label2", "meters"},
                                   {"Txt_n", "Label8", "percent"},
                                   {"Txt_m", "Label9", "percent"}};
    for (const auto& [box, caption, unit] : rows)
        QTest::newRow(box) << box << caption << unit;
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
