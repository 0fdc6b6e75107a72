#pragma once

// Starting with Windows: a value under the user's Run key, which every login of the user runs.
// It is a fact of the user's login, not a clock setting: no setting, store or file carries it.

#include <string>
#include <string_view>

namespace marvix {

inline constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Marvix";

// The command the value holds: the program's full path, quoted, since a path with spaces would
// otherwise run as its first word.
std::string RunCommandFor(std::string_view programPath);

// Whether a stored command starts the program at `programPath`: its first word, quoted or not,
// names that file (paths compare without regard to case, as Windows does). A value left by a
// copy that has since moved does not.
bool RunsProgram(std::string_view command, std::string_view programPath);

}  // namespace marvix
