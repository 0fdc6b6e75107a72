#include "settings/file_paths.h"

#include <array>

#include "base/ascii.h"

namespace marvix {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Every setting that names a file: the face, then the tick, tock, chimes and alarms.
constexpr std::array<std::string ClockSettings::*, 12> kFileSettings = {
    &ClockSettings::BackPic, &ClockSettings::TickStr, &ClockSettings::TockStr,
    &ClockSettings::C1Str,   &ClockSettings::C2Str,   &ClockSettings::C3Str,
    &ClockSettings::C4Str,   &ClockSettings::A1Str,   &ClockSettings::A2Str,
    &ClockSettings::A3Str,   &ClockSettings::A4Str,   &ClockSettings::A5Str,
};

}  // namespace

bool IsRelativePath(std::string_view path) {
    if (path.empty() || IsSeparator(path.front())) return false;
    return !(path.size() >= 2 && path[1] == ':');
}

std::string_view FolderOf(std::string_view path) {
    const size_t last = path.find_last_of("\\/");
    return last == std::string_view::npos ? std::string_view{} : path.substr(0, last);
}

std::string ResolvedAgainst(std::string_view folder, std::string_view path) {
    if (folder.empty() || !IsRelativePath(path)) return std::string(path);
    std::string whole(folder);
    if (!IsSeparator(whole.back())) whole += '\\';
    // "faces\x.bmp" read from "C:\clocks\." is "C:\clocks\faces\x.bmp".
    while (path.size() > 2 && path[0] == '.' && IsSeparator(path[1])) path.remove_prefix(2);
    return whole += path;
}

std::string RelativeTo(std::string_view folder, std::string_view path) {
    while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
    if (folder.empty() || path.size() <= folder.size() + 1 || !IsSeparator(path[folder.size()]))
        return std::string(path);
    for (size_t i = 0; i < folder.size(); ++i) {
        const bool same = IsSeparator(folder[i])
                              ? IsSeparator(path[i])
                              : EqualsIgnoringAsciiCase(folder.substr(i, 1), path.substr(i, 1));
        if (!same) return std::string(path);
    }
    return std::string(path.substr(folder.size() + 1));
}

std::optional<char> ForbiddenFileNameCharacter(std::string_view name) {
    constexpr std::string_view kForbidden = "\\/:*?\"<>|";
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 || kForbidden.find(c) != std::string_view::npos)
            return c;
    }
    return std::nullopt;
}

void ResolveFilePaths(ClockSettings& settings, std::string_view folder) {
    for (std::string ClockSettings::*file : kFileSettings)
        settings.*file = ResolvedAgainst(folder, settings.*file);
}

void RelateFilePaths(ClockSettings& settings, std::string_view folder) {
    for (std::string ClockSettings::*file : kFileSettings)
        settings.*file = RelativeTo(folder, settings.*file);
}

}  // namespace marvix
