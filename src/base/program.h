#pragma once

// What the program calls itself: the application title (message boxes, the taskbar button, the
// clock window) and its version, which comes from the build's one project version.

#include "base/version.h"

namespace marvix {

inline constexpr char kProgramTitle[] = "Marvo";
// The class of the program's owner window, which carries the taskbar button and answers a later
// start of the program; with the title, it is how that start finds the running clock.
inline constexpr char kOwnerWindowClass[] = "TApplication";
inline constexpr char kProgramVersion[] = MARVIX_VERSION_TEXT;

}  // namespace marvix
