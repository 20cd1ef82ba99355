// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_hydropowerformula.h"

#include "ui_frm_hydropowerformula.h"

#include <QLocale>

namespace torrentix {

Frm_HydroPowerFormula::Frm_HydroPowerFormula() {
    OnClick(ui->Command1, [this] { emit mainPageClicked(); });
    // g shows the decimal separator the calculator's results use, whichever one the
    // translation wrote.
    const QString point = QLocale::system().decimalPoint();
    for (QLabel* label : {ui->Label12, ui->Label23}) {
        QString text = label->text();
        for (qsizetype i = text.size() - 2; i > 0; --i) {
            if ((text[i] == u'.' || text[i] == u',') && text[i - 1].isDigit() &&
                text[i + 1].isDigit())
                text.replace(i, 1, point);
        }
        label->setText(text);
    }
}

Frm_HydroPowerFormula::~Frm_HydroPowerFormula() = default;

} // namespace torrentix
