// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program: its identity, and the four windows with the ways between them.
#pragma once

#include "windowinstance.h"

#include <array>

class QApplication;

namespace torrentix {

enum class WindowKind { Hydropower, HydroPowerFormula, Diagram, About };

class Program {
public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The kind's one slot, for the whole run.
    WindowInstance& Instance(WindowKind kind) { return slots_[static_cast<std::size_t>(kind)]; }

private:
    std::unique_ptr<QWidget> make(WindowKind kind);

    std::array<WindowInstance, 4> slots_;
};

// What the whole process needs once, before its first window: title, version and icon, the
// design's font faces and the notifications screen readers present.
void SetUpApplication(QApplication& app);

} // namespace torrentix
