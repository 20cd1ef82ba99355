// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exceptions never cross Qt's event loop: every event procedure runs behind Guarded, which
// hands any failure to the program's last-resort handler.
#pragma once

#include <exception>
#include <utility>

namespace torrentix {

// Tells the user what went wrong, in plain words; the program goes on.
void LastResort(std::exception_ptr failure) noexcept;

// Wraps an event procedure for connect(): any exception goes to LastResort.
template <class Procedure> auto Guarded(Procedure procedure) {
    return [procedure = std::move(procedure)](auto&&...) noexcept {
        try {
            procedure();
        } catch (...) {
            LastResort(std::current_exception());
        }
    };
}

// Runs one step that may fail without consequence: a failure skips just this step.
template <class Step> void IgnoringErrors(Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
    } catch (...) {
    }
}

} // namespace torrentix
