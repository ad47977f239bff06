// Counts every allocation of the benchmark, so that a steady state can be shown to make none.
// Included by exactly one file of each benchmark executable.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> allocations{0};

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
