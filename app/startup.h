// Start-up: the program's application object settings and its window classes.
#pragma once

#include "shell.h"

class QApplication;

namespace torrentix {

// Which window class fills which slot.
std::array<Shell::Factory, WindowKindCount> WindowFactories();

// Title, version and icon of the program.
void SetIdentity(QApplication& app);

} // namespace torrentix
