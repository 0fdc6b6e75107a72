#pragma once

// What the tests that run whole programs share: starting one, running one to its end, and the
// user's Run value, which a login (or wineboot) starts.

#include <windows.h>

#include <string>

#include "base/scoped_handles_win.h"
#include "windows/login_start.h"

namespace marvix {

// Starts `command` (a program's quoted path and its arguments); an empty handle when it could
// not start.
inline ScopedHandle StartProgram(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return ScopedHandle();
    }
    CloseHandle(process.hThread);
    return ScopedHandle(process.hProcess);
}

// Runs `command` to its end (a minute at most) and returns its exit code; 0xFFFFFFFF when it
// could not start.
inline DWORD RunToEnd(const std::string& command) {
    const ScopedHandle process = StartProgram(command);
    if (!process) return 0xFFFFFFFF;
    WaitForSingleObject(process.Get(), 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    return code;
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

}  // namespace marvix
