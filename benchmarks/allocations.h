// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Counts every heap allocation the process makes (malloc, calloc, realloc and so operator
// new, which goes through malloc), so a benchmark can show what one call allocates.
#pragma once

#include <cstdint>

namespace torrentix::bench {

// Allocations made by this process so far.
std::uint64_t Allocations();

} // namespace torrentix::bench
