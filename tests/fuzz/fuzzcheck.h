// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a property that does not hold is a crash, so libFuzzer keeps
// the input that broke it and the sanitizers print where.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace torrentix::fuzz {

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "property violated: %s\n", what.c_str());
    std::abort();
}

inline void Check(bool holds, const std::string& what) {
    if (!holds)
        Fail(what);
}

// A double as text that shows every bit, for the messages above.
inline std::string Exact(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g (%a)", x, x);
    return buf;
}

} // namespace torrentix::fuzz
