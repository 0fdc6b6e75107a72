#pragma once

// What the tests that run whole programs share: starting one, running one to its end, waiting
// for what it does, the clock windows it shows, the settings it stores, and the user's Run value,
// which a login (or wineboot) starts.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "base/scoped_handles_win.h"
#include "settings/registry_store_win.h"
#include "windows/login_start.h"

namespace marvix {

// Starts `command` (a program's quoted path and its arguments), in `folder` if one is given; an
// empty handle when it could not start.
inline ScopedHandle StartProgram(std::string command, const std::string& folder = "") {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        return ScopedHandle();
    }
    CloseHandle(process.hThread);
    return ScopedHandle(process.hProcess);
}

// Runs `command` to its end (a minute at most), in `folder` if one is given, and returns its exit
// code; 0xFFFFFFFF when it could not start.
inline DWORD RunToEnd(const std::string& command, const std::string& folder = "") {
    const ScopedHandle process = StartProgram(command, folder);
    if (!process) return 0xFFFFFFFF;
    WaitForSingleObject(process.Get(), 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    return code;
}

// Whether `condition` holds within `milliseconds`, asked every 20 ms.
template <class Condition>
bool Within(DWORD milliseconds, Condition condition) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(20)) {
        if (condition()) return true;
    }
    return condition();
}

inline BOOL CALLBACK AddIfClock(HWND window, LPARAM list) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "TForm1")
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The clock windows on the screen, shown or hidden, of every process.
inline std::vector<HWND> ClockWindows() {
    std::vector<HWND> found;
    EnumWindows(&AddIfClock, reinterpret_cast<LPARAM>(&found));
    return found;
}

// A started clock has come up: its window shows (the last thing a start does).
inline bool ClockShows() {
    const std::vector<HWND> clocks = ClockWindows();
    return clocks.size() == 1 && IsWindowVisible(clocks.front());
}

// Every value under the clock's key, by name.
inline std::map<std::string, std::string> StoredValues() {
    std::map<std::string, std::string> values;
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return values;
    const ScopedRegKey key(raw);
    for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[1024];
        DWORD nameSize = sizeof name, dataSize = sizeof data;
        if (RegEnumValueA(key.Get(), i, name, &nameSize, nullptr, nullptr, data, &dataSize) !=
            ERROR_SUCCESS)
            break;
        values[name] = std::string(reinterpret_cast<char*>(data), dataSize);
    }
    return values;
}

// The user's Run value for Marvix: its command, or "" when there is none.
inline std::string RunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return "";
    const ScopedRegKey owned(key);
    char text[MAX_PATH + 8] = {};
    DWORD size = sizeof text - 1;
    if (RegQueryValueExA(key, kRunValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                         &size) != ERROR_SUCCESS)
        return "";
    return text;
}

inline void SetRunValue(const std::string& command) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    const ScopedRegKey owned(key);
    RegSetValueExA(key, kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   DWORD(command.size() + 1));
}

// A test must leave no Run value behind: the next start of the shared prefix would run it.
inline void RemoveRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    const ScopedRegKey owned(key);
    RegDeleteValueA(key, kRunValueName);
}

// What a test that runs whole programs leaves: no clock running (whoever started it: the test,
// a login start or an installer), no Run value and no settings.
inline void LeaveNoClockBehind() {
    for (HWND clock : ClockWindows()) {
        DWORD id = 0;
        GetWindowThreadProcessId(clock, &id);
        const ScopedHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        TerminateProcess(process.Get(), 0);
        WaitForSingleObject(process.Get(), 5000);
    }
    RemoveRunValue();
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath);
}

}  // namespace marvix
