// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every window's design keeps, the calculator's included: controls whole inside the
// window and clear of each other, designed fonts in real faces, readable colours under any
// desktop palette, pictures inside their borders, focus and keys; and the diagram's drawing.
// Where each control stands and what it says is the .ui files' alone: the screenshot sessions
// (tests/screenshots) show it and check the windows' sizes and designed colours, and
// tst_languages checks that every caption fits its box, uncovered, in every language.
#include "design.h"
#include "palettes.h"
#include "picturebox.h"
#include "programfixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <optional>
#include <span>

using namespace torrentix;
using namespace torrentix::testing;

namespace {
// Shows a window through the shell and waits until it has the focus.
QWidget* open(RunningProgram& program, WindowKind kind) {
    program.program.Instance(kind).Show();
    QWidget* window = program.window(kind);
    if (window != nullptr && !QTest::qWaitForWindowActive(window))
        return nullptr;
    return window;
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

const std::pair<WindowKind, const char*> windowKinds[] = {
    {Calculator, "calculator"}, {Formula, "formula"}, {Diagram, "diagram"}, {About, "about"}};

// One row for each window.
void addWindowKinds() {
    QTest::addColumn<WindowKind>("kind");
    for (const auto& [kind, name] : windowKinds)
        QTest::newRow(name) << kind;
}
} // namespace

class TestReferenceWindows : public QObject {
    Q_OBJECT
private slots:
    void window_data();
    void window();
    void controls_data() { addWindowKinds(); }
    void controls();
    void pictures_data() { addWindowKinds(); }
    void pictures();
    void colours_data();
    void colours();
    void focusOrder_data();
    void focusOrder();
    void keys_data();
    void keys();
    void maximisingMovesNothing_data() { addWindowKinds(); }
    void maximisingMovesNothing();
    void diagramShowsWholeDrawing();
};

void TestReferenceWindows::window_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("calculator") << Calculator << "Quorvane's  Torrentix";
    QTest::newRow("formula") << Formula << "Formula for Hydro Power Energy Calculation";
    QTest::newRow("diagram") << Diagram << "Diagram for Torrentix";
    QTest::newRow("about") << About << "About";
}

void TestReferenceWindows::window() {
    QFETCH(WindowKind, kind);
    QFETCH(QString, title);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), title);
    for (QWidget* child : window->findChildren<QWidget*>())
        QVERIFY2(child->isVisible() && child->isEnabled(), qPrintable(child->objectName()));
    // Centred on the screen, give or take the frame, which is known only once it is shown.
    const QPoint offset =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    QVERIFY(offset.manhattanLength() <= 8);
}

void TestReferenceWindows::controls() {
    QFETCH(WindowKind, kind);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    // Controls stack in the order of the window's children, the last on top.
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        const QByteArray name = control->objectName().toLatin1();
        // Whole inside the window; only a picture may run past its edge, as the diagram does.
        if (qobject_cast<PictureBox*>(control) == nullptr)
            QVERIFY2(window->rect().contains(control->geometry()), name.constData());
        // Only labels lie under other controls (tst_languages: never under their text), so no
        // button, input box or picture is ever hidden, even in part; but a picture lies under
        // the words written on it (see below).
        if (qobject_cast<QLabel*>(control) == nullptr) {
            for (const QWidget* above : controls.mid(i + 1))
                QVERIFY2(!above->geometry().intersects(control->geometry()) ||
                             (qobject_cast<const QLabel*>(above) != nullptr &&
                              !above->autoFillBackground()),
                         qPrintable(name + " lies under " + above->objectName()));
        }
        // The designed size, fractions of a point included, in the designed face's metric
        // stand-in.
        const QVariant points = control->property("pointSizeF");
        if (points.isValid()) {
            QCOMPARE(control->font().pointSizeF(), points.toDouble());
            QCOMPARE(QFontInfo(control->font()).family(),
                     control->font().family() == "Verdana" ? "DejaVu Sans" : "Liberation Sans");
        }
        if (auto* label = qobject_cast<QLabel*>(control)) {
            // Opaque, so a label above hides the box of one below, or words on a picture:
            // transparent, on top of a picture and inside the part of it that shows. Plain text
            // that wraps onto lines, in a box without frame or margin, as tst_languages measures
            // it; never focused.
            const auto under = [&](const QWidget* below) {
                const auto* box = qobject_cast<const PictureBox*>(below);
                return box != nullptr && box->contentsRect()
                                             .translated(box->pos())
                                             .intersected(window->rect())
                                             .contains(label->geometry());
            };
            QVERIFY2(label->autoFillBackground() ||
                         std::any_of(controls.cbegin(), controls.cbegin() + i, under),
                     name.constData());
            QVERIFY2(label->wordWrap(), name.constData());
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->contentsRect(), label->rect());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            // Enter presses the button that has the focus (see keys), never a default one;
            // there are no access keys.
            QVERIFY2(button->autoDefault() && !button->isDefault(), name.constData());
            QVERIFY2(!button->text().contains(QLatin1Char('&')), name.constData());
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QCOMPARE(box->maxLength(), std::numeric_limits<int>::max()); // takes any length
        }
    }
}

void TestReferenceWindows::pictures() {
    // Each picture box shows its picture unscaled from the top-left corner of its inner area,
    // cut where that ends: outside it the sunken 2-pixel border stays exactly as the empty box
    // draws it, where a picture wider or taller than the inner area would run over it. Focus
    // shows no mark.
    QFETCH(WindowKind, kind);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    const QList<PictureBox*> boxes = window->findChildren<PictureBox*>();
    QVERIFY(!boxes.isEmpty());
    for (PictureBox* box : boxes) {
        const QString path = box->picture();
        const QImage picture = rgb(QImage(path));
        QVERIFY2(!picture.isNull(), qPrintable(path));
        box->setFocus(Qt::TabFocusReason);
        const QImage focused = rgb(box->grab().toImage());
        box->clearFocus();
        const QImage shown = rgb(box->grab().toImage());
        QCOMPARE(focused, shown);
        box->setPicture(QString());
        const QImage empty = rgb(box->grab().toImage());
        box->setPicture(path);

        const QRect inner = box->contentsRect();
        const QRect drawn = inner.intersected(picture.rect().translated(inner.topLeft()));
        int wrong = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb expected = drawn.contains(x, y)
                                          ? picture.pixel(QPoint(x, y) - inner.topLeft())
                                          : empty.pixel(x, y);
                wrong += shown.pixel(x, y) != expected ? 1 : 0;
            }
        }
        QVERIFY2(
            wrong == 0,
            qPrintable(QStringLiteral("%1: %2 pixels wrong").arg(box->objectName()).arg(wrong)));
    }
}

void TestReferenceWindows::colours_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("palette");   // the desktop's; empty: the one the tests start with
    QTest::addColumn<bool>("whileRunning"); // the desktop palette changes while the window is open
    for (const auto& [kind, name] : windowKinds) {
        QTest::addRow("%s", name) << kind << QString() << false;
        for (const QString& palette : desktopPaletteNames()) {
            QTest::addRow("%s, %s", name, qPrintable(palette)) << kind << palette << false;
            QTest::addRow("%s, %s while open", name, qPrintable(palette))
                << kind << palette << true;
        }
    }
}

void TestReferenceWindows::colours() {
    // Under dark and high-contrast palettes a label with a designed background keeps it and its
    // dark text; designed text on the desktop's background turns a readable colour of its hue;
    // everything else takes the desktop's colours. Whatever the palette, every text reads.
    QFETCH(WindowKind, kind);
    QFETCH(QString, palette);
    QFETCH(bool, whileRunning);
    struct Colours {
        QColor background, text;
    };
    QHash<QString, Colours> designed; // as the window shows them under the starting palette
    Colours plain;                    // the window's own
    {
        RunningProgram program;
        QWidget* window = open(program, kind);
        QVERIFY(window != nullptr);
        plain = {window->palette().color(QPalette::Window),
                 window->palette().color(QPalette::WindowText)};
        for (const QLabel* label : window->findChildren<QLabel*>())
            designed.insert(label->objectName(), {label->palette().color(label->backgroundRole()),
                                                  label->palette().color(label->foregroundRole())});
    }
    std::optional<DesktopPalette> desktop;
    if (!whileRunning)
        desktop.emplace(palette);
    RunningProgram program;
    QWidget* window = open(program, kind);
    QVERIFY(window != nullptr);
    if (whileRunning)
        desktop.emplace(palette);
    const QColor theirFace = window->palette().color(QPalette::Window);
    const QColor theirText = window->palette().color(QPalette::WindowText);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QByteArray name = label->objectName().toLatin1();
        const Colours design = designed.value(label->objectName());
        const QColor background = label->palette().color(label->backgroundRole());
        const QColor text = label->palette().color(label->foregroundRole());
        if (design.background != plain.background) {
            QCOMPARE(background, design.background);
            QCOMPARE(text, design.text);
        } else {
            QCOMPARE(background, theirFace);
            if (design.text != plain.text)
                QCOMPARE(text.hslHue(), design.text.hslHue());
            else
                QCOMPARE(text, theirText);
        }
        // WCAG: at least 4.5 to 1.
        QVERIFY2(ContrastRatio(text, background) >= 4.5,
                 qPrintable(name + ": " + text.name() + " on " + background.name()));
        // What is painted: the box is filled to its corners with its background, but where the
        // caption runs into one.
        const QImage image = label->grab().toImage();
        const QRect caption = label->fontMetrics().boundingRect(
            label->rect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        const QRect box = label->rect();
        for (const QPoint corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            if (!caption.contains(corner))
                QVERIFY2(image.pixelColor(corner) == background, name.constData());
        }
    }
}

void TestReferenceWindows::focusOrder_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QStringList>("order"); // from the control that has the focus on opening
    QTest::newRow("calculator") << Calculator
                                << QStringList{"Txt_Q",    "Txt_H",    "Txt_n",    "Txt_m",
                                               "Command1", "Command2", "Command6", "Command4",
                                               "Command3", "Command5", "Picture1"};
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
    // Tab goes round the cycle and back to the start; Shift+Tab goes round the other way.
    for (qsizetype step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(step % order.size()));
    }
    for (qsizetype step = order.size() - 1; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(step));
    }
}

void TestReferenceWindows::keys_data() {
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("presses");
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
    for (const auto& [kind, name] : std::span(windowKinds).subspan(1)) { // the reference windows
        for (const auto& c : cases)
            QTest::addRow("%s %s %s", name, c.focus, c.keyName)
                << kind << c.focus << int(c.key) << c.presses;
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
    QWidget* target = window->findChild<QWidget*>(focus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key));
    flushUnloads();
    // The only thing the button does is take its window down.
    QCOMPARE(program.loaded(kind), !presses);
    QVERIFY(program.loaded(WindowKind::Hydropower));
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
    // The diagram's box runs past the window's left edge; the drawing in its picture (77..567
    // across, 72..297 down; the rest is white, see tst_artwork) shows whole all the same, and
    // the words written on it show above it.
    RunningProgram program;
    QWidget* window = open(program, Diagram);
    QVERIFY(window != nullptr);
    const QList<QLabel*> words = window->findChildren<QLabel*>();
    QCOMPARE(words.size(), 5);
    const QImage written = rgb(window->grab().toImage());
    for (QLabel* label : words)
        label->hide();
    const QImage shot = rgb(window->grab().toImage());
    for (QLabel* label : words) {
        label->show();
        const QRect box = label->geometry();
        int ink = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x)
                ink += qGray(written.pixel(x, y)) < 100 && qGray(shot.pixel(x, y)) > 200 ? 1 : 0;
        }
        QVERIFY2(ink > 20, qPrintable(label->text()));
    }
    const QImage diagram = rgb(QImage(QStringLiteral(":/assets/diagram.jpg")));
    const auto* box = window->findChild<PictureBox*>(QStringLiteral("Picture2"));
    QCOMPARE(box->picture(), QStringLiteral(":/assets/diagram.jpg"));
    // Window point origin + p shows picture point p.
    const QPoint origin = box->mapTo(window, box->contentsRect().topLeft());
    int wrong = 0;
    for (int y = 72; y <= 297; ++y) {
        for (int x = 77; x <= 567; ++x) {
            const QPoint at = origin + QPoint(x, y);
            wrong += !shot.rect().contains(at) || shot.pixel(at) != diagram.pixel(x, y) ? 1 : 0;
        }
    }
    QCOMPARE(wrong, 0);
}

QTEST_MAIN(TestReferenceWindows)
#include "tst_referencewindows.moc"
