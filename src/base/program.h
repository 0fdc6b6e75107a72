#pragma once

// What the program calls itself: the application title (message boxes, the taskbar button, the
// clock window) and its version, which comes from the build's one project version.

#include "base/version.h"

namespace marvix {

inline constexpr char kProgramTitle[] = "Marvo";
inline constexpr char kProgramVersion[] = MARVIX_VERSION_TEXT;

}  // namespace marvix
