#pragma once

// Starting this program with Windows, through the user's Run key (see login_start.h).

#include <string>

namespace marvix {

// The full path of this program's own .exe.
std::string ThisProgram();

// Whether the user's logins start this very program: the value exists and runs it.
bool StartsWithWindows();

// Writes the value so that logins start this program, or removes it. Returns whether the key
// now says what was asked.
bool SetStartWithWindows(bool start);

}  // namespace marvix
