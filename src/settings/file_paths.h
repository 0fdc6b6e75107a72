#pragma once

// The files a clock's look names (its face, its sounds) as a configuration file names them:
// relative to the file's own folder, so that a gallery works wherever it is unpacked or
// installed. The clock holds them whole once loaded, so that the next start finds them whatever
// folder it starts in.

#include <optional>
#include <string>
#include <string_view>

#include "settings/clock_settings.h"

namespace marvix {

// Whether a Windows path names its file from a drive's root ("C:\x", "\\server\x", "\x") or from
// a drive's current folder ("C:x"), rather than from a folder the reader has to know.
bool IsRelativePath(std::string_view path);

// The folder a path lies in, without its last separator; empty for a bare name.
std::string_view FolderOf(std::string_view path);

// `path` as seen from `folder`: unchanged when it is empty or not relative.
std::string ResolvedAgainst(std::string_view folder, std::string_view path);

// `path` as a file in `folder` names it: relative, when it lies inside the folder (letters compared
// without regard to case, as Windows compares names; either separator); else unchanged.
std::string RelativeTo(std::string_view folder, std::string_view path);

// The first character a Windows file name cannot hold (a separator, a colon, a wildcard, a quote,
// an angle bracket, a bar, a control character), if the name has one.
std::optional<char> ForbiddenFileNameCharacter(std::string_view name);

// The face and every sound file the settings name, resolved against `folder`.
void ResolveFilePaths(ClockSettings& settings, std::string_view folder);
// The face and every sound file that lie inside `folder`, named relative to it.
void RelateFilePaths(ClockSettings& settings, std::string_view folder);

}  // namespace marvix
