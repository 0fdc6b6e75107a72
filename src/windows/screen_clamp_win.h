#pragma once

// The screen-boundary clamp applied to a window (the clock, the settings windows, the control
// menu and help), on the monitors of the desktop as Windows reports them.

#include <windows.h>

#include <span>
#include <vector>

#include "base/geometry.h"
#include "frame/placement.h"

namespace marvix {

// The maximized-window area of the main monitor: the face and the dials are measured against it.
Size MaximizedArea();

// Every monitor of the desktop with its work area, the main one first.
std::vector<Monitor> Monitors();
// The same into `monitors`, whose room is kept for the next look.
void ReadMonitors(std::vector<Monitor>& monitors);

// Keeps the window wholly inside the work area of its monitor (see KeepOnScreen), leaving size
// and z-order alone.
void ClampWindow(HWND window);
// The same for a window whose rectangle the caller knows to be `frame`, on monitors it has
// asked for already; returns whether the window moved.
bool KeepWindowOnScreen(HWND window, const RECT& frame, std::span<const Monitor> monitors,
                        bool ignoreBoundary);

}  // namespace marvix
