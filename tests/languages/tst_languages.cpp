// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language: each text fits the box the design gives it, numbers show the
// user's decimal separator, and Qt's own texts speak the same language.
#include "languages.h"
#include "programfixture.h"
#include "upwardlabel.h"

#include <QAccessible>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QTextLayout>

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
    QTest::addColumn<QString>("copy"); // Qt's Copy in the boxes' menu; releases move its "&"
    // Qt has no translation of its own for Hindi, Vietnamese, Bokmål and Swedish, so its
    // buttons stay English there (Nynorsk's would mix two written standards in one window).
    // The last: English ahead of a translated language keeps the program English.
    const char* const languages[][4] = {
        {"en", "", "OK", "Copy"},           {"de", "de", "OK", "Kopieren"},
        {"es", "es", "Aceptar", "Copiar"},  {"fr", "fr", "OK", "Copier"},
        {"pt_BR", "pt_BR", "OK", "Copiar"}, {"zh_CN", "zh_CN", "确定", "复制(C)"},
        {"ru", "ru", "OK", "Копировать"},   {"ja", "ja", "OK", "コピー(C)"},
        {"hi", "hi", "OK", "Copy"},         {"tr", "tr", "Tamam", "Kopyala"},
        {"vi", "vi", "OK", "Copy"},         {"it", "it", "OK", "Copia"},
        {"nb_NO", "nb", "OK", "Copy"},      {"sv", "sv", "OK", "Copy"},
        {"pt_PT", "pt_BR", "OK", "Copiar"}, {"en_GB de", "", "OK", "Copy"}};
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
    QVERIFY(
        std::any_of(menu->actions().cbegin(), menu->actions().cend(), [&](const QAction* action) {
            return QString(action->text()).remove(u'&').startsWith(copy);
        }));
    // The texts Solve writes: the mistake text and the "or" between the results.
    f.type(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("50"));
    f.solve();
    f.program.Instance(kind).Show();
    QWidget* window = f.window(kind);
    QVERIFY(window != nullptr);

    // The words on the diagram as hydropower engineers label such a drawing in each language:
    // the reservoir, the discharge Q, the generator, the turbine and the head.
    static const QHash<QString, QStringList> diagram = {
        {"", {"Reservoir", "Q-Water Discharge Rate", "Generator", "Turbine", "Water Head"}},
        {"de", {"Stausee", "Q – Durchfluss", "Generator", "Turbine", "Fallhöhe"}},
        {"es", {"Embalse", "Q – Caudal", "Generador", "Turbina", "Salto"}},
        {"fr", {"Retenue", "Q – Débit", "Alternateur", "Turbine", "Hauteur de chute"}},
        {"hi", {"जलाशय", "Q – जल प्रवाह", "जनरेटर", "टरबाइन", "जल शीर्ष"}},
        {"it", {"Serbatoio", "Q – Portata", "Generatore", "Turbina", "Salto"}},
        {"ja", {"貯水池", "Q – 流量", "発電機", "水車", "落差"}},
        {"nb", {"Magasin", "Q – Vannføring", "Generator", "Turbin", "Fallhøyde"}},
        {"pt_BR", {"Reservatório", "Q – Vazão", "Gerador", "Turbina", "Queda"}},
        {"ru", {"Водохранилище", "Q – Расход воды", "Генератор", "Турбина", "Напор"}},
        {"sv", {"Magasin", "Q – Flöde", "Generator", "Turbin", "Fallhöjd"}},
        {"tr", {"Baraj gölü", "Q – Debi", "Jeneratör", "Türbin", "Düşü"}},
        {"vi", {"Hồ chứa", "Q – Lưu lượng", "Máy phát điện", "Tua bin", "Cột nước"}},
        {"zh_CN", {"水库", "Q – 流量", "发电机", "水轮机", "水头"}}};
    QVERIFY(diagram.contains(language));
    QStringList words = kind == Diagram ? diagram.value(language) : QStringList();

    // Controls stack in the order of the window's children, the last on top.
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        const QString text = control->property("text").toString();
        const QString what = control->objectName() + QStringLiteral(": ") + text;
        if (text.isEmpty() || qobject_cast<QLineEdit*>(control) != nullptr)
            continue;
        // Some installed face draws every character: no missing-glyph box, whatever the script.
        // Where no face has the script at all, Qt draws boxes of its own, from no font file.
        QTextLayout shaped(text, control->font());
        shaped.beginLayout();
        shaped.createLine();
        shaped.endLayout();
        for (const QGlyphRun& run : shaped.glyphRuns())
            QVERIFY2(!run.rawFont().fontTable("cmap").isEmpty() && !run.glyphIndexes().contains(0),
                     qPrintable(what));
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(what));
            continue;
        }
        auto* label = qobject_cast<QLabel*>(control);
        QVERIFY2(label != nullptr, qPrintable(what));
        // Numbers show the decimal separator of the user's number format, as the results do.
        static const QRegularExpression decimal(QStringLiteral("\\d([.,])\\d"));
        for (const QRegularExpressionMatch& number : decimal.globalMatch(text))
            QVERIFY2(number.captured(1) == QLocale::system().decimalPoint(), qPrintable(what));
        // A screen reader reads it as shown, among the window's parts.
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
        QVERIFY2(read != nullptr && read->role() == QAccessible::StaticText &&
                     read->text(QAccessible::Name) == text &&
                     QAccessible::queryAccessibleInterface(window)->indexOfChild(read) >= 0,
                 qPrintable(what));
        words.removeOne(text);
        // The lines the label draws from the top of its box, where it draws them. Only the
        // tails of letters such as g may reach below the bottom edge of a tight box. Words
        // reading upwards are measured turned back to read across, then turned up again.
        const QFontMetrics metrics(label->font());
        const bool upward = qobject_cast<UpwardLabel*>(label) != nullptr;
        const QRect box = upward ? label->rect().transposed() : label->rect();
        QRect drawn = metrics.boundingRect(box, int(label->alignment()) | Qt::TextWordWrap, text)
                          .adjusted(0, 0, 0, -metrics.descent());
        if (upward)
            drawn = QRect(QPoint(drawn.top(), box.width() - 1 - drawn.right()),
                          QPoint(drawn.bottom(), box.width() - 1 - drawn.left()));
        drawn.translate(label->pos());
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
            QVERIFY2(metrics.horizontalAdvance(word) <= box.width(), qPrintable(what + word));
        }
    }
    QVERIFY2(words.isEmpty(), qPrintable(words.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
