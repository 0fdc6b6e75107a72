#include "settings/clock_keys_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "base/scoped_handles_win.h"
#include "settings/registry_store_win.h"

namespace marvix {

ClockKeys FirstClockKeys() { return {0, kRegistryKeyPath, kProgramKeyPath}; }

ClockKeys OtherClockKeys(int number) {
    const std::string key = std::string(kClocksKeyPath) + "\\" + std::to_string(number);
    return {number, key, key};
}

std::vector<int> StoredClockNumbers() { return NumberedSubkeys(kClocksKeyPath); }

std::vector<int> NumberedSubkeys(const char* path) {
    std::vector<int> numbers;
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &raw) != ERROR_SUCCESS) return numbers;
    const ScopedRegKey clocks(raw);
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(clocks.Get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        char* end = nullptr;
        const long number = std::strtol(name, &end, 10);
        if (end != name && *end == '\0' && number > 0 && number < 100000)
            numbers.push_back(int(number));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

int FreeClockNumber() {
    const std::vector<int> used = StoredClockNumbers();
    int number = 1;
    while (std::binary_search(used.begin(), used.end(), number)) ++number;
    return number;
}

bool RemoveClockKeys(int number) {
    if (number <= 0) return false;
    return RegDeleteTreeA(HKEY_CURRENT_USER, OtherClockKeys(number).clock.c_str()) == ERROR_SUCCESS;
}

}  // namespace marvix
