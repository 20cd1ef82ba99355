#include "frm_diagram.h"

#include "design.h"
#include "guard.h"
#include "shell.h"
#include "ui_frm_diagram.h"

namespace torrentix {

Frm_Diagram::Frm_Diagram(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Frm_Diagram>()) {
    ui->setupUi(this);
    ApplyDesign(*this);
    connect(ui->Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
}

Frm_Diagram::~Frm_Diagram() = default;

// The calculator comes up first, so a window stays loaded and the program goes on.
void Frm_Diagram::Command1_Click() {
    Shell::current().Instance(WindowKind::Hydropower).Show();
    Shell::current().Instance(WindowKind::Diagram).Unload();
}

} // namespace torrentix
