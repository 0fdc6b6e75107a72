#pragma once

// The screen-boundary clamp applied to a window: the clock window and the settings windows.

#include <windows.h>

#include "base/geometry.h"

namespace marvix {

// The maximized-window area of the primary screen.
Size MaximizedArea();

// Moves the window back inside the area (see ClampToScreen), leaving size and z-order alone.
void ClampWindow(HWND window, Size area);
// The same for a window whose rectangle the caller knows to be `frame`; returns whether it moved.
bool ClampWindow(HWND window, const RECT& frame, Size area);

}  // namespace marvix
