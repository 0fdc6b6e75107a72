#pragma once

// How many GDI objects and how much memory this process holds, for soak tests and the benchmark.

#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdint>

namespace marvix {

// GetGuiResources counts GDI objects on Windows; Wine leaves it at zero, but keeps the process's
// GDI handle table where Windows has it (PEB.GdiSharedHandleTable), one 24-byte entry per
// handle with the object's address, so the live objects can be counted there.
inline int LiveGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return static_cast<int>(counted);
#pragma pack(push, 1)
    struct Entry {
        uint64_t object;
        uint32_t owner;
        uint16_t unique;
        uint8_t type;
        uint8_t flags;
        uint64_t user;
    };
#pragma pack(pop)
    static_assert(sizeof(Entry) == 24);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"  // MinGW's NtCurrentTeb reads fs:0x18
    const auto* peb = reinterpret_cast<const uint8_t*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
#ifdef _WIN64
    constexpr size_t kHandleTableAt = 0xF8;
#else
    constexpr size_t kHandleTableAt = 0x94;
#endif
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + kHandleTableAt);
    if (!table) return -1;
    int live = 0;
    for (int i = 0; i < 0x10000; ++i) live += table[i].object != 0;
    return live;
}

inline size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// Wine reports no handle count (GetProcessHandleCount gives 0), but hands out the lowest free
// handle value: the value a new handle gets rises when handles leak below it.
inline uintptr_t NewHandleValue() {
    HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe);
    return reinterpret_cast<uintptr_t>(probe);
}

}  // namespace marvix
