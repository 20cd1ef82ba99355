#include "frm_hydropower.h"

#include "design.h"
#include "guard.h"
#include "numberrules.h"
#include "shell.h"
#include "ui_frm_hydropower.h"

#include <QLocale>

namespace torrentix {
namespace {
double numberIn(const QLineEdit* box) {
    return TextToNumber(box->text().toUtf8().toStdString());
}
} // namespace

Frm_Hydropower::Frm_Hydropower(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Frm_Hydropower>()) {
    ui->setupUi(this);
    ApplyDesign(*this);
    connect(ui->Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
    connect(ui->Command2, &QPushButton::clicked, this, Guarded([this] { Command2_Click(); }));
    connect(ui->Command3, &QPushButton::clicked, this, Guarded([this] { Command3_Click(); }));
    connect(ui->Command4, &QPushButton::clicked, this, Guarded([this] { Command4_Click(); }));
    connect(ui->Command5, &QPushButton::clicked, this, Guarded([this] { Command5_Click(); }));
    connect(ui->Command6, &QPushButton::clicked, this, Guarded([this] { Command6_Click(); }));
}

Frm_Hydropower::~Frm_Hydropower() = default;

void Frm_Hydropower::Command1_Click() {
    const double q = numberIn(ui->Txt_Q);
    const double h = numberIn(ui->Txt_H);
    const double n = numberIn(ui->Txt_n);
    const double m = numberIn(ui->Txt_m);
    const double p = PowerKilowatts(q, h, n, m);

    // From here on a failing write skips only itself.
    const QByteArray separator = QLocale::system().decimalPoint().toUtf8();
    const std::string_view sep(separator.constData(), static_cast<std::size_t>(separator.size()));
    IgnoringErrors([&] { ui->Lbl_v->setText(QString::fromStdString(NumberToText(p, sep))); });
    IgnoringErrors([&] {
        ui->Lbl_v2->setText(QString::fromStdString(NumberToText(KilowattsToMegawatts(p), sep)));
    });
    IgnoringErrors([&] { ui->Lbl_y->setText(QStringLiteral("or")); });
}

void Frm_Hydropower::Command2_Click() {}

void Frm_Hydropower::Command3_Click() {
    Shell::current().Instance(WindowKind::About).Show();
}

void Frm_Hydropower::Command4_Click() {
    Shell::current().Instance(WindowKind::Diagram).Show();
}

void Frm_Hydropower::Command5_Click() {
    Shell::current().Instance(WindowKind::Hydropower).Unload();
}

void Frm_Hydropower::Command6_Click() {
    Shell::current().Instance(WindowKind::HydroPowerFormula).Show();
}

} // namespace torrentix
