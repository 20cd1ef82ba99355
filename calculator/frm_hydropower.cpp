// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_hydropower.h"

#include "copying.h"
#include "messages.h"
#include "solve.h"
#include "ui_frm_hydropower.h"

#include <QLocale>

namespace torrentix {

Frm_Hydropower::Frm_Hydropower() : announcement_(new Announcement(*this)) {
    OnClick(ui->Command1, [this] { Command1_Click(); });
    OnClick(ui->Command2, [this] { Command2_Click(); });
    OnClick(ui->Command5, [this] { Command5_Click(); });
    // Formula, Diagram and About open windows the program holds: it takes these clicks.
    connect(ui->Command6, &QPushButton::clicked, this, &Frm_Hydropower::formulaClicked);
    connect(ui->Command4, &QPushButton::clicked, this, &Frm_Hydropower::diagramClicked);
    connect(ui->Command3, &QPushButton::clicked, this, &Frm_Hydropower::aboutClicked);
    // The results can be copied, exactly as shown.
    new CopyableTexts(*this, {ui->Lbl_v, ui->Lbl_v2});
}

Frm_Hydropower::~Frm_Hydropower() = default;

void Frm_Hydropower::Command1_Click() {
    // Results are shown with the user's decimal separator, so that is what a box reads too.
    ActOut(std::make_shared<const SolveOutcome>(
               Solve({ui->Txt_Q->text().toStdU16String(), ui->Txt_H->text().toStdU16String(),
                      ui->Txt_n->text().toStdU16String(), ui->Txt_m->text().toStdU16String()},
                     QLocale::system().decimalPoint().toStdU16String())),
           0);
}

void Frm_Hydropower::ActOut(std::shared_ptr<const SolveOutcome> outcome, std::size_t next) {
    static const char* const messages[] = {QT_TR_NOOP("You can't enter Zero"),
                                           QT_TR_NOOP("You can't enter Negative Values"),
                                           QT_TR_NOOP("Efficiency can't exceed 100%")};
    for (; next < outcome->reactions.size(); ++next) {
        const Reaction reaction = outcome->reactions[next];
        if (reaction == Reaction::MistakeText) {
            ui->Lbl_e->setText(tr("OOOps..A Mistake !"));
        } else if (reaction == Reaction::HideResults) {
            HideResults();
        } else {
            ShowMessage(this, tr(messages[static_cast<int>(reaction)]),
                        [this, outcome, next] { ActOut(outcome, next + 1); });
            return;
        }
    }
    if (outcome->tooLarge) {
        // Nothing is shown and the inputs stay as typed, for the user to correct.
        ShowMessage(this, tr("A number is too large to compute. "
                             "Please enter smaller values and press Solve again."));
        return;
    }
    // A failing write skips only itself.
    IgnoringErrors([&] { ui->Lbl_v->setText(QString::fromStdU16String(outcome->kilowatts)); });
    IgnoringErrors([&] { ui->Lbl_v2->setText(QString::fromStdU16String(outcome->megawatts)); });
    IgnoringErrors([&] { ui->Lbl_y->setText(tr("or")); });
    AnnounceOutcome();
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

void Frm_Hydropower::Command5_Click() {
    close(); // the program ends with it if no other window is open
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
