#include "windows/login_start_win.h"

#include <windows.h>

#include <string>

#include "base/scoped_handles_win.h"
#include "windows/login_start.h"

namespace marvix {

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

namespace {

ScopedRegKey OpenRunKey(REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, nullptr, 0, access, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return ScopedRegKey();
    }
    return ScopedRegKey(key);
}

}  // namespace

bool StartsWithWindows() {
    const ScopedRegKey key = OpenRunKey(KEY_QUERY_VALUE);
    if (!key) return false;
    char command[MAX_PATH + 64] = {};
    DWORD size = sizeof command - 1, type = 0;
    if (RegQueryValueExA(key.Get(), kRunValueName, nullptr, &type, reinterpret_cast<BYTE*>(command),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    return RunsProgram(command, ThisProgram());
}

bool SetStartWithWindows(bool start) {
    const ScopedRegKey key = OpenRunKey(KEY_SET_VALUE);
    if (!key) return false;
    if (!start) {
        const LONG status = RegDeleteValueA(key.Get(), kRunValueName);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::string program = ThisProgram();
    if (program.empty()) return false;
    const std::string command = RunCommandFor(program);
    return RegSetValueExA(key.Get(), kRunValueName, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(command.c_str()),
                          DWORD(command.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace marvix
