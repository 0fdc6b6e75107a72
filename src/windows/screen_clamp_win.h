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

// WM_DPICHANGED for the clock: the window was moved onto a monitor of another resolution, or the
// monitor's resolution changed. The clock's face is drawn pixel for pixel, so the clock keeps its
// size and takes only the place Windows suggests (`suggested` is the message's rectangle).
void FollowDpiChange(HWND window, LPARAM suggested);

// The same for a window laid out at each resolution (the settings windows, help): it takes the
// whole rectangle Windows suggests, its size included, before laying itself out for the new one.
void TakeSuggestedFrame(HWND window, const RECT& suggested);

// The window's rectangle on the screen.
Rect WindowFrame(HWND window);

// Where a window first shows, keeping its size, on the monitor of `anchor` (the clock, or the
// window it was asked from): beside the anchor and clear of `clearOf`, then of `ratherClearOf`,
// where there is room (see PlaceBeside), or centred in the monitor's work area.
enum class Near { Beside, Centred };
void PlaceNear(HWND window, Rect anchor, Near where, std::span<const Rect> clearOf = {},
               std::span<const Rect> ratherClearOf = {});

// The pixels per inch of the monitor the window is on (Windows 10 and later know each monitor's),
// else of the screen; of the screen when there is no window yet.
int DpiOf(HWND window);

}  // namespace marvix
