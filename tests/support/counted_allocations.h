#pragma once

// Every allocation of the program that includes this (one file of it only) is counted, for the
// checks that a steady tick takes nothing from the heap.

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> g_allocations{0};

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
