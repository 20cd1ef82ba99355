#include "frm_about.h"

#include "design.h"
#include "guard.h"
#include "shell.h"
#include "ui_frm_about.h"

namespace torrentix {

frm_About::frm_About(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::frm_About>()) {
    ui->setupUi(this);
    ApplyDesign(*this);
    connect(ui->Command1, &QPushButton::clicked, this, Guarded([this] { Command1_Click(); }));
}

frm_About::~frm_About() = default;

// Only this window goes; the calculator is left as it is.
void frm_About::Command1_Click() {
    Shell::current().Instance(WindowKind::About).Unload();
}

} // namespace torrentix
