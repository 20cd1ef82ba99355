// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The designs of the formula, diagram and about windows: controls, captions, fonts,
// stacking, focus and keys, and what the window shows of its pictures.
#include "design.h"
#include "palettes.h"
#include "picturebox.h"
#include "programfixture.h"

#include <QFontInfo>
#include <QLabel>

using namespace torrentix;
using namespace torrentix::testing;

namespace {
const QColor lightYellow(255, 255, 192);

// Shows a reference window through the shell and waits until it has the focus.
QWidget* open(RunningProgram& program, WindowKind kind) {
    program.program.Instance(kind).Show();
    QWidget* window = program.window(kind);
    if (window != nullptr && !QTest::qWaitForWindowActive(window))
        return nullptr;
    return window;
}

template <class Control> Control* control(QWidget* window, const QString& name) {
    return window->findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

void addLabel(WindowKind kind, const char* window, const char* name, const QString& text,
              QRect rect, double points, bool bold, bool centred = false, bool yellow = false,
              const QString& family = QStringLiteral("MS Sans Serif"),
              const QString& palette = QString()) {
    QTest::addRow("%s %s%s%s", window, name, palette.isEmpty() ? "" : ", ", qPrintable(palette))
        << kind << QString::fromLatin1(name) << text << rect << points << bold << centred << yellow
        << family << palette;
}

QImage picture(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
} // namespace

namespace {
// One row for each reference window.
void addWindowKinds() {
    QTest::addColumn<WindowKind>("kind");
    QTest::newRow("formula") << Formula;
    QTest::newRow("diagram") << Diagram;
    QTest::newRow("about") << About;
}
} // namespace

class TestReferenceWindows : public QObject {
    Q_OBJECT
private slots:
    void window_data();
    void window();
    void labels_data();
    void labels();
    void buttonsAndPictures_data();
    void buttonsAndPictures();
    void captionsShowWhole_data();
    void captionsShowWhole();
    void stacking_data();
    void stacking();
    void focusOrder_data();
    void focusOrder();
    void keys_data();
    void keys();
    void maximisingMovesNothing_data();
    void maximisingMovesNothing();
    void diagramShowsWholeDrawing();
};

void TestReferenceWindows::window_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("controls");
    QTest::newRow("formula") << Formula << "Formula for Hydro Power Energy Calculation"
                             << QSize(725, 440) << 23;
    QTest::newRow("diagram") << Diagram << "Diagram for Torrentix" << QSize(725, 440) << 3;
    QTest::newRow("about") << About << "About" << QSize(717, 440) << 6;
}

void TestReferenceWindows::window() {
    QFETCH(WindowKind, kind);
    QFETCH(QString, title);
    QFETCH(QSize, client);
    QFETCH(int, controls);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->font().family(), "MS Sans Serif");
    QCOMPARE(window->font().pointSizeF(), 8.25);
    QCOMPARE(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), controls);
    for (QWidget* child : window->findChildren<QWidget*>())
        QVERIFY2(child->isVisible(), qPrintable(child->objectName()));
}

void TestReferenceWindows::labels_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("yellow");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("palette"); // the desktop's; empty: the one the tests start with

    const char* f = "formula";
    addLabel(Formula, f, "Label1", "Power Generation from a HydroElectric System",
             twips(60, 180, 8235, 555), 18, true);
    addLabel(Formula, f, "Label2",
             "Power capacity of a Hydroelectric system depends on the  reservoir's Water "
             "discharge rate, effective Water Head, overall Efficiencies of the Turbine and the "
             "Generator equipment, and  the Gravitational Force",
             twips(180, 900, 7395, 1035), 12, false);
    addLabel(Formula, f, "Label3", "W", twips(300, 2220, 555, 615), 12, true);
    addLabel(Formula, f, "Label4", "=", twips(960, 2220, 615, 495), 13.5, true);
    addLabel(Formula, f, "Label5", "Q * g * H *  Efficiency of Equipment",
             twips(1380, 2220, 4455, 675), 12, true);
    addLabel(Formula, f, "Label6", "W", twips(300, 3000, 735, 495), 24, true, false, true);
    addLabel(Formula, f, "Label22", "=", twips(1020, 3000, 435, 495), 24, true, false, true);
    addLabel(Formula, f, "Label23", " 9.81 * Effi * Q * H ", twips(1440, 3000, 4695, 495), 24, true,
             false, true);
    addLabel(Formula, f, "Label24", "kW", twips(6720, 3120, 1215, 495), 13.5, true);
    addLabel(Formula, f, "Label13", "W =", twips(60, 3900, 855, 495), 12, true, true);
    addLabel(Formula, f, "Label7", "Energy", twips(1080, 3900, 1095, 375), 9.75, true);
    addLabel(Formula, f, "Label10", "in kilo Watts", twips(2880, 3900, 2055, 615), 9.75, false);
    addLabel(Formula, f, "Label14", "Q =", twips(60, 4440, 855, 495), 12, true, true);
    addLabel(Formula, f, "Label8", "Water discharge rate", twips(1020, 4500, 1695, 495), 9.75,
             true);
    addLabel(Formula, f, "Label11", "in Cubic meters per second", twips(2880, 4500, 2475, 495),
             9.75, false);
    addLabel(Formula, f, "Label15", "g =", twips(60, 5220, 855, 495), 12, true, true);
    addLabel(Formula, f, "Label9", "Gravitational Force", twips(1020, 5220, 1335, 495), 9.75, true);
    addLabel(Formula, f, "Label12", " = 9.81", twips(2880, 5220, 2955, 495), 9.75, false);
    addLabel(Formula, f, "Label16", "H =", twips(60, 5880, 855, 495), 12, true, true);
    addLabel(Formula, f, "Label17", "Water Head", twips(1020, 5940, 1515, 495), 9.75, true);
    addLabel(Formula, f, "Label18", "in meters", twips(2880, 5940, 2355, 495), 9.75, false);

    const char* a = "about";
    addLabel(About, a, "Label4", "Torrentix", twips(1920, 2640, 6855, 495), 13.5, true, true);
    addLabel(About, a, "Label1", "Copyright", twips(7080, 4200, 1035, 315), 8.25, false);
    addLabel(About, a, "Label2", QStringLiteral("\u00a9 2024 Quorvane\nGNU GPL 3 or later"),
             twips(7080, 4680, 2235, 435), 9, true, false, false, "Verdana");
    addLabel(About, a, "Label3", "www.quorvane.example", twips(7080, 5220, 2895, 315), 9, true,
             false, false, "Verdana");

    // The light-yellow formula band keeps dark text under dark and high-contrast palettes; the
    // unit beside it, on the window background, takes the desktop's colours.
    const QString face = QStringLiteral("MS Sans Serif");
    for (const QString& palette : desktopPaletteNames()) {
        addLabel(Formula, f, "Label6", "W", twips(300, 3000, 735, 495), 24, true, false, true, face,
                 palette);
        addLabel(Formula, f, "Label22", "=", twips(1020, 3000, 435, 495), 24, true, false, true,
                 face, palette);
        addLabel(Formula, f, "Label23", " 9.81 * Effi * Q * H ", twips(1440, 3000, 4695, 495), 24,
                 true, false, true, face, palette);
        addLabel(Formula, f, "Label24", "kW", twips(6720, 3120, 1215, 495), 13.5, true, false,
                 false, face, palette);
    }
}

void TestReferenceWindows::labels() {
    QFETCH(WindowKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, centred);
    QFETCH(bool, yellow);
    QFETCH(QString, family);
    QFETCH(QString, palette);
    DesktopPalette desktop(palette);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    auto* label = control<QLabel>(window, name);
    QVERIFY(label != nullptr);

    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), rect);
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->alignment(), (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    const QColor background = label->palette().color(label->backgroundRole());
    QCOMPARE(background, yellow ? lightYellow : window->palette().color(QPalette::Window));
    const QColor foreground = label->palette().color(label->foregroundRole());
    QCOMPARE(foreground, yellow && !palette.isEmpty()
                             ? QColor(Qt::black)
                             : window->palette().color(QPalette::WindowText));
    QVERIFY(ContrastRatio(foreground, background) >= 4.5);

    // Every label: opaque, borderless, fixed, wrapping plain text, never focused.
    QVERIFY(label->autoFillBackground());
    QVERIFY(label->wordWrap());
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->frameShape(), QFrame::NoFrame);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE(label->margin(), 0);
}

void TestReferenceWindows::buttonsAndPictures_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("content"); // a button's caption, a picture box's picture
    QTest::addColumn<QSize>("inner");     // a picture box's inner area

    const QSize none;
    QTest::newRow("formula Command1")
        << Formula << "Command1" << twips(9060, 2160, 1215, 495) << "Main page" << none;
    QTest::newRow("formula Picture1") << Formula << "Picture1" << twips(8400, 180, 2295, 1575)
                                      << ":/assets/banner.jpg" << QSize(149, 101);
    QTest::newRow("diagram Command1")
        << Diagram << "Command1" << twips(9060, 2160, 1215, 495) << "Main page" << none;
    QTest::newRow("diagram Picture1") << Diagram << "Picture1" << twips(8400, 180, 2295, 1575)
                                      << ":/assets/banner.jpg" << QSize(149, 101);
    QTest::newRow("diagram Picture2") << Diagram << "Picture2" << QRect(-36, 16, 589, 333)
                                      << ":/assets/diagram.jpg" << QSize(585, 329);
    QTest::newRow("about Command1")
        << About << "Command1" << twips(9060, 360, 1215, 495) << "Close" << none;
    QTest::newRow("about Picture1") << About << "Picture1" << twips(3960, 480, 2655, 1575)
                                    << ":/assets/about.jpg" << QSize(173, 101);
}

void TestReferenceWindows::buttonsAndPictures() {
    QFETCH(WindowKind, kind);
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, content);
    QFETCH(QSize, inner);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    QWidget* widget = control<QWidget>(window, name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), rect);

    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), content);
        QCOMPARE(button->font().family(), "MS Sans Serif");
        QCOMPARE(button->font().pointSizeF(), 8.25);
        QVERIFY(!button->font().bold());
        // Enter presses it when it has the focus; it is never the default button.
        QVERIFY(button->autoDefault());
        QVERIFY(!button->isDefault());
        return;
    }
    auto* box = qobject_cast<PictureBox*>(widget);
    QVERIFY(box != nullptr);
    QCOMPARE(box->picture(), content);
    QCOMPARE(box->contentsRect().size(), inner);
    QVERIFY(!QImage(content).isNull());
    if (name == "Picture1" && kind != About) {
        // The very banner of the calculator window.
        auto* banner = program.window(WindowKind::Hydropower)->findChild<PictureBox*>("Picture1");
        QCOMPARE(box->picture(), banner->picture());
    }
}

void TestReferenceWindows::captionsShowWhole_data() {
    addWindowKinds();
}

void TestReferenceWindows::captionsShowWhole() {
    QFETCH(WindowKind, kind);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);

    const auto face = [](const QWidget* widget) { return QFontInfo(widget->font()).family(); };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QByteArray name = label->objectName().toLatin1();
        // The designed faces are drawn with their metric stand-ins.
        QCOMPARE(face(label),
                 label->font().family() == "Verdana" ? "DejaVu Sans" : "Liberation Sans");
        const QRect box = label->contentsRect();
        const QRect used = label->fontMetrics().boundingRect(
            QRect(0, 0, box.width(), 10000), int(label->alignment()) | Qt::TextWordWrap,
            label->text());
        QVERIFY2(used.width() <= box.width(), name.constData());
        // Every line stands in the box down to its baseline; only the tails of letters
        // such as Q may reach past the bottom edge of a tight box.
        QVERIFY2(used.height() - label->fontMetrics().descent() <= box.height(), name.constData());
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        QCOMPARE(face(button), "Liberation Sans");
        QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8);
        QVERIFY(button->fontMetrics().height() < button->height() - 4);
    }
}

void TestReferenceWindows::stacking_data() {
    QTest::addColumn<QPoint>("point"); // in the strip where two labels overlap
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("Label5 over Label4") << QPoint(98, 160) << "Label5"
                                        << "Label4";
    QTest::newRow("Label23 over Label22") << QPoint(96, 215) << "Label23"
                                          << "Label22";
    QTest::newRow("Label22 over Label6") << QPoint(68, 215) << "Label22"
                                         << "Label6";
    QTest::newRow("Label11 over Label10") << QPoint(200, 300) << "Label11"
                                          << "Label10";
}

void TestReferenceWindows::stacking() {
    QFETCH(QPoint, point);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    RunningProgram program;
    QWidget* window = open(program, Formula);
    QVERIFY(window != nullptr);
    QVERIFY(control<QWidget>(window, upper)->geometry().contains(point));
    QVERIFY(control<QWidget>(window, lower)->geometry().contains(point));
    QCOMPARE(window->childAt(point)->objectName(), upper);
}

void TestReferenceWindows::focusOrder_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("formula") << Formula << QStringList{"Picture1", "Command1"};
    QTest::newRow("diagram") << Diagram << QStringList{"Picture1", "Command1", "Picture2"};
    QTest::newRow("about") << About << QStringList{"Picture1", "Command1"};
}

void TestReferenceWindows::focusOrder() {
    QFETCH(WindowKind, kind);
    QFETCH(QStringList, order);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    // Tab goes round the cycle and back to the start; Shift+Tab goes the other way.
    for (int step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(step % order.size()));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), order.last());
}

void TestReferenceWindows::keys_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("presses");
    const struct {
        WindowKind kind;
        const char* name;
    } windows[] = {{Formula, "formula"}, {Diagram, "diagram"}, {About, "about"}};
    const struct {
        const char* focus;
        Qt::Key key;
        const char* keyName;
        bool presses;
    } cases[] = {{"Picture1", Qt::Key_Return, "Return", false},
                 {"Picture1", Qt::Key_Escape, "Escape", false},
                 {"Picture1", Qt::Key_Space, "Space", false},
                 {"Command1", Qt::Key_Escape, "Escape", false},
                 {"Command1", Qt::Key_Return, "Return", true},
                 {"Command1", Qt::Key_Enter, "Enter", true},
                 {"Command1", Qt::Key_Space, "Space", true}};
    for (const auto& w : windows) {
        for (const auto& c : cases)
            QTest::addRow("%s %s %s", w.name, c.focus, c.keyName)
                << w.kind << c.focus << int(c.key) << c.presses;
    }
}

void TestReferenceWindows::keys() {
    QFETCH(WindowKind, kind);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, presses);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    QWidget* target = control<QWidget>(window, focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key));
    flushUnloads();
    // The only thing the button does is take its window down.
    QCOMPARE(program.loaded(kind), !presses);
    QVERIFY(program.loaded(WindowKind::Hydropower));
}

void TestReferenceWindows::maximisingMovesNothing_data() {
    addWindowKinds();
}

void TestReferenceWindows::maximisingMovesNothing() {
    QFETCH(WindowKind, kind);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    const QSize designed = window->size();
    QList<QRect> before;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        before << child->geometry();

    window->showMaximized();
    QTRY_VERIFY(window->width() > designed.width() && window->height() > designed.height());
    QList<QRect> after;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        after << child->geometry();
    QCOMPARE(after, before);
    // The gained area is plain window background.
    const QImage shot = window->grab().toImage();
    const QColor face = window->palette().color(QPalette::Window);
    QCOMPARE(QColor(shot.pixel(window->width() - 3, window->height() - 3)), face);
    QCOMPARE(QColor(shot.pixel(designed.width() + 5, designed.height() / 2)), face);
}

void TestReferenceWindows::diagramShowsWholeDrawing() {
    RunningProgram program;
    QWidget* window = open(program, Diagram);
    QVERIFY(window != nullptr);
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage diagram = picture(QStringLiteral(":/assets/diagram.jpg"));
    QCOMPARE(diagram.size(), QSize(600, 424));

    // The box's inner area starts 34 pixels left of the window, 18 down: window (x, y) shows
    // picture (x + 34, y - 18). The drawing (77..567 across, 72..297 down) is all there.
    const QPoint shift(34, -18);
    int wrong = 0;
    for (int y = 72; y <= 297; ++y) {
        for (int x = 77; x <= 567; ++x)
            wrong += shot.pixel(x - shift.x(), y - shift.y()) != diagram.pixel(x, y) ? 1 : 0;
    }
    QCOMPARE(wrong, 0);
    // The window's left edge cuts through the picture itself: no border shows there.
    for (int y = 18; y < 18 + 329; ++y)
        QCOMPARE(shot.pixel(0, y), diagram.pixel(34, y + 18));
}

QTEST_MAIN(TestReferenceWindows)
#include "tst_referencewindows.moc"
