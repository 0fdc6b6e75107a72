#include "settings/config_store_win.h"

#include <windows.h>

#include <algorithm>
#include <string>

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

std::string FileProblemInWords(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: return "There is no such file.";
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY: return "There is no such folder.";
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT: return "Access to it was denied.";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return "Another program is using it.";
        case ERROR_INVALID_NAME: return "A file name cannot hold one of the characters in it.";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return "The disk is full.";
        case ERROR_NOT_READY: return "The drive is not ready.";
        case ERROR_FILENAME_EXCED_RANGE: return "The name is too long.";
        default: return "Windows reported error " + std::to_string(error) + ".";
    }
}

std::optional<std::string> ReadConfigFile(const std::string& path, unsigned long* error) {
    ScopedFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size)) {
        if (error) *error = GetLastError();
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(std::min(size.QuadPart, kMaxConfigBytes)), '\0');
    DWORD read = 0;
    if (!text.empty() &&
        !ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) {
        if (error) *error = GetLastError();
        return std::nullopt;
    }
    text.resize(read);
    return text;
}

bool WriteConfigFile(const std::string& path, const std::string& text, unsigned long* error) {
    const std::string temporary = path + ".saving";
    const auto failed = [&] {
        if (error) *error = GetLastError();
        return false;
    };
    {
        ScopedFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return failed();
        DWORD written = 0;
        const bool complete = WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()),
                                        &written, nullptr) &&
                              written == text.size() && FlushFileBuffers(file.Get());
        if (!complete) {
            failed();
            file.Reset();
            DeleteFileA(temporary.c_str());
            return false;
        }
    }
    if (!MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failed();
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace marvix
