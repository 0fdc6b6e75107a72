#include "settings/config_store_win.h"

#include <windows.h>

#include <algorithm>

#include "base/scoped_handles_win.h"

namespace marvix {

namespace {

// Files larger than this are no configuration; reading stops rather than taking all memory.
constexpr LONGLONG kMaxConfigBytes = 1 << 20;

}  // namespace

std::string FullPathOf(const std::string& path) {
    char whole[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof whole, whole, nullptr);
    return length > 0 && length < sizeof whole ? std::string(whole, length) : path;
}

std::optional<std::string> ReadConfigFile(const std::string& path) {
    ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size)) return std::nullopt;
    std::string text(static_cast<size_t>(std::min(size.QuadPart, kMaxConfigBytes)), '\0');
    DWORD read = 0;
    if (!text.empty() &&
        !ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) {
        return std::nullopt;
    }
    text.resize(read);
    return text;
}

bool WriteConfigFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".saving";
    {
        ScopedFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        const bool complete = WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()),
                                        &written, nullptr) &&
                              written == text.size() && FlushFileBuffers(file.Get());
        if (!complete) {
            file.Reset();
            DeleteFileA(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace marvix
