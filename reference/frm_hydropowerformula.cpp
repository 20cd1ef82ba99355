#include "frm_hydropowerformula.h"

#include "design.h"
#include "guard.h"
#include "shell.h"
#include "ui_frm_hydropowerformula.h"

namespace torrentix {

Frm_HydroPowerFormula::Frm_HydroPowerFormula(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Frm_HydroPowerFormula>()) {
    ui->setupUi(this);
    ApplyDesign(*this);
    connect(ui->Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
}

Frm_HydroPowerFormula::~Frm_HydroPowerFormula() = default;

// The calculator comes up first, so a window stays loaded and the program goes on.
void Frm_HydroPowerFormula::Command1_Click() {
    Shell::current().Instance(WindowKind::Hydropower).Show();
    Shell::current().Instance(WindowKind::HydroPowerFormula).Unload();
}

} // namespace torrentix
