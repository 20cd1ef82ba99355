// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language: each text fits the box the design gives it, and Qt's own
// texts speak the same language.
#include "languages.h"
#include "programfixture.h"

#include <QMenu>
#include <QMessageBox>
#include <QTextBoundaryFinder>

using namespace torrentix;
using namespace torrentix::testing;

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
};

void TestLanguages::textsFitTheirBoxes_data() {
    QTest::addColumn<QStringList>("desktop"); // the user's languages, in order
    QTest::addColumn<QString>("language");    // the translation installed; empty: English
    QTest::addColumn<WindowKind>("kind");
    QTest::addColumn<QString>("ok");   // Qt's OK button, as the message boxes show it
    QTest::addColumn<QString>("copy"); // Qt's Copy, in the input boxes' context menu
    // The last: English ahead of a translated language keeps the program English.
    const char* const languages[][4] = {
        {"en", "", "OK", "&Copy"},           {"de", "de", "OK", "&Kopieren"},
        {"es", "es", "Aceptar", "&Copiar"},  {"fr", "fr", "OK", "Cop&ier"},
        {"pt_BR", "pt_BR", "OK", "&Copiar"}, {"zh_CN", "zh_CN", "确定", "复制(&C)"},
        {"en_GB de", "", "OK", "&Copy"}};
    const std::pair<WindowKind, const char*> windows[] = {
        {Calculator, "calculator"}, {Formula, "formula"}, {Diagram, "diagram"}, {About, "about"}};
    for (const auto& [desktop, language, ok, copy] : languages)
        for (const auto& [kind, name] : windows)
            QTest::addRow("%s %s", desktop, name)
                << QString::fromLatin1(desktop).split(QLatin1Char(' '))
                << QString::fromLatin1(language) << kind << QString::fromUtf8(ok)
                << QString::fromUtf8(copy);
}

void TestLanguages::textsFitTheirBoxes() {
    QFETCH(QStringList, desktop);
    QFETCH(QString, language);
    QFETCH(WindowKind, kind);
    QFETCH(QString, ok);
    QFETCH(QString, copy);
    const Translations translations(desktop);
    QCOMPARE(translations.language(), language);
    RunningProgram f;
    const QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), ok);
    const std::unique_ptr<QMenu> menu(f.box("Txt_Q")->createStandardContextMenu());
    QVERIFY(std::any_of(menu->actions().cbegin(), menu->actions().cend(),
                        [&](const QAction* action) { return action->text().startsWith(copy); }));
    // The texts Solve writes: the mistake text and the "or" between the results.
    f.type(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("50"));
    f.solve();
    f.program.Instance(kind).Show();
    QWidget* window = f.window(kind);
    QVERIFY(window != nullptr);

    // Controls stack in the order of the window's children, the last on top.
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        const QString text = control->property("text").toString();
        const QString what = control->objectName() + QStringLiteral(": ") + text;
        if (text.isEmpty() || qobject_cast<QLineEdit*>(control) != nullptr)
            continue;
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(what));
            continue;
        }
        auto* label = qobject_cast<QLabel*>(control);
        QVERIFY2(label != nullptr, qPrintable(what));
        // The lines the label draws from the top of its box, where it draws them. Only the
        // tails of letters such as g may reach below the bottom edge of a tight box.
        const QFontMetrics metrics(label->font());
        const QRect drawn =
            metrics.boundingRect(label->rect(), int(label->alignment()) | Qt::TextWordWrap, text)
                .translated(label->pos())
                .adjusted(0, 0, 0, -metrics.descent());
        QVERIFY2(label->geometry().contains(drawn),
                 qPrintable(what + QStringLiteral(" needs %1 x %2 of %3 x %4")
                                       .arg(drawn.width())
                                       .arg(drawn.height())
                                       .arg(label->width())
                                       .arg(label->height())));
        for (const QWidget* above : controls.mid(i + 1))
            QVERIFY2(!above->geometry().intersects(drawn),
                     qPrintable(what + QStringLiteral(" lies under ") + above->objectName()));
        // No word is broken: each stretch between two places where a line may break fits the
        // width on its own (in Chinese, nearly every character is such a stretch).
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
        for (qsizetype from = 0, to = 0; (to = breaks.toNextBoundary()) != -1; from = to) {
            const QString word = text.mid(from, to - from).trimmed();
            QVERIFY2(metrics.horizontalAdvance(word) <= label->width(), qPrintable(what + word));
        }
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
