// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_hydropower.h"

#include "copying.h"
#include "messages.h"
#include "numberrules.h"
#include "ui_frm_hydropower.h"

#include <QLocale>

namespace torrentix {
namespace {
// Results are shown with the locale's decimal separator, so a box reads that separator too,
// and a result typed back reads as shown. The point stays a decimal separator everywhere.
double numberIn(const QLineEdit* box, const QString& separator) {
    QString text = box->text();
    if (separator != QLatin1String("."))
        text.replace(separator, QLatin1String("."));
    return TextToNumber(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                            static_cast<std::size_t>(text.size())));
}
} // namespace

Frm_Hydropower::Frm_Hydropower(Windows windows)
    : windows_(windows), announcement_(new Announcement(*this)) {
    OnClick(ui->Command1, [this] { Command1_Click(); });
    OnClick(ui->Command2, [this] { Command2_Click(); });
    OnClick(ui->Command3, [this] { Command3_Click(); });
    OnClick(ui->Command4, [this] { Command4_Click(); });
    OnClick(ui->Command5, [this] { Command5_Click(); });
    OnClick(ui->Command6, [this] { Command6_Click(); });
    // The results can be copied, exactly as shown.
    new CopyableTexts(*this, {ui->Lbl_v, ui->Lbl_v2});
}

Frm_Hydropower::~Frm_Hydropower() = default;

void Frm_Hydropower::Command1_Click() {
    try {
        Solve();
        AnnounceOutcome();
    } catch (const NumberOutOfRange&) {
        // Nothing is shown and the inputs stay as typed, for the user to correct.
        ShowMessage(this, tr("A number is too large to compute. "
                             "Please enter smaller values and press Solve again."));
    }
}

void Frm_Hydropower::Solve() {
    // The rules read and write a point; the user types and reads the separator of their locale.
    const QString separator = QLocale::system().decimalPoint();
    // The input checks. None of them ends the press: a failed check reports the problem and
    // hides the results, and the power is computed all the same.
    QLineEdit* const inputs[] = {ui->Txt_Q, ui->Txt_H, ui->Txt_n, ui->Txt_m};
    QLineEdit* const efficiencies[] = {ui->Txt_n, ui->Txt_m};
    for (const QLineEdit* box : inputs) {
        if (box->text() == QLatin1String("0")) {
            ShowMessage(this, tr("You can't enter Zero"));
            HideResults();
        }
    }
    for (const QLineEdit* box : inputs) {
        if (numberIn(box, separator) < 0) {
            ShowMessage(this, tr("You can't enter Negative Values"));
            HideResults();
        }
    }
    for (const QLineEdit* box : efficiencies) {
        if (numberIn(box, separator) > 100) {
            ShowMessage(this, tr("Efficiency can't exceed 100%"));
            HideResults();
        }
    }
    const QString mistake = tr("OOOps..A Mistake !");
    for (const QLineEdit* box : inputs) {
        if (numberIn(box, separator) <= 0) {
            ui->Lbl_e->setText(mistake);
            HideResults();
        }
    }
    for (const QLineEdit* box : efficiencies) {
        if (numberIn(box, separator) > 100)
            ui->Lbl_e->setText(mistake);
    }

    const double q = numberIn(ui->Txt_Q, separator);
    const double h = numberIn(ui->Txt_H, separator);
    const double n = numberIn(ui->Txt_n, separator);
    const double m = numberIn(ui->Txt_m, separator);
    const double p = PowerKilowatts(q, h, n, m);

    // From here on a failing write skips only itself.
    const auto shown = [&separator](double x) {
        return QString::fromStdString(NumberToText(x)).replace(QLatin1Char('.'), separator);
    };
    IgnoringErrors([&] { ui->Lbl_v->setText(shown(p)); });
    IgnoringErrors([&] { ui->Lbl_v2->setText(shown(KilowattsToMegawatts(p))); });
    IgnoringErrors([&] { ui->Lbl_y->setText(tr("or")); });
}

void Frm_Hydropower::Command2_Click() {
    for (QLineEdit* box : {ui->Txt_Q, ui->Txt_H, ui->Txt_n, ui->Txt_m})
        box->setText(QString());
    for (QLabel* label : {ui->Lbl_v, ui->Lbl_v2, ui->Lbl_e, ui->Lbl_y})
        label->setText(QString());
    for (QLabel* label : resultLabels())
        label->setVisible(true);
    announcement_->Withdraw();
}

void Frm_Hydropower::Command3_Click() {
    windows_.about.Show();
}

void Frm_Hydropower::Command4_Click() {
    windows_.diagram.Show();
}

void Frm_Hydropower::Command5_Click() {
    windows_.self.Unload();
}

void Frm_Hydropower::Command6_Click() {
    windows_.formula.Show();
}

std::array<QLabel*, 6> Frm_Hydropower::resultLabels() const {
    return {ui->Lbl_v, ui->Lbl_v2, ui->Lbl_n, ui->Lbl_q, ui->Lbl_y, ui->Lbl_o};
}

void Frm_Hydropower::HideResults() {
    for (QLabel* label : resultLabels())
        label->setVisible(false);
}

void Frm_Hydropower::AnnounceOutcome() {
    // What is shown, in reading order: "Available Power 4193.775 kW or 4.193775 MW".
    QStringList shown;
    for (const QLabel* label :
         {ui->Lbl_e, ui->Lbl_n, ui->Lbl_v, ui->Lbl_q, ui->Lbl_y, ui->Lbl_v2, ui->Lbl_o}) {
        if (label->isVisibleTo(this) && !label->text().isEmpty())
            shown.append(label->text());
    }
    announcement_->Announce(shown.join(QLatin1Char(' ')));
}

} // namespace torrentix
