// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "allocations.h"

#include <atomic>
#include <cstddef>

// glibc's own entry points; the definitions below take the place of malloc, calloc and
// realloc for every library of the process, including Qt's containers and operator new.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
}

namespace {
std::atomic<std::uint64_t> count{0};
}

extern "C" void* malloc(std::size_t size) {
    count.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count_, std::size_t size) {
    count.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count_, size);
}

extern "C" void* realloc(void* pointer, std::size_t size) {
    count.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

namespace torrentix::bench {

std::uint64_t Allocations() {
    return count.load(std::memory_order_relaxed);
}

} // namespace torrentix::bench
