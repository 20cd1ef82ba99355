// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program: its identity, and the four windows composed on the forms runtime.
#pragma once

#include "shell.h"

#include <map>

class QApplication;

namespace torrentix {

enum class WindowKind { Hydropower, HydroPowerFormula, Diagram, About };

class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The kind's one slot, made (not loaded) on first use.
    WindowInstance& Instance(WindowKind kind);

    Shell& shell() { return shell_; }

private:
    std::unique_ptr<QWidget> make(WindowKind kind);

    Shell shell_;
    std::map<WindowKind, WindowInstance*> slots_;
};

// Title, version and icon of the program.
void SetIdentity(QApplication& app);

} // namespace torrentix
