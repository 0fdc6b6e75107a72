#pragma once

// The digital displays' part of every tick: placing the nine that can place themselves, then
// drawing each shown display on its own surface, sized to its text, and copying it into the
// frame (mirrored when the clock is).

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "settings/clock_settings.h"

namespace marvix {

// The default point size of the frame's own font, which the automatic placement measures by.
inline constexpr int kFramePointSize = 8;

// Displays 1 to 9 with automatic placement get their position from the face size (and keep it
// in their settings); the others of the nine are held to X <= FaceWidth and Y <= FaceHeight.
// AM/PM, INTER1 and INTER2 are never moved.
void PlaceDigitalDisplays(ClockSettings& settings);

void DrawDigitalDisplays(const ClockSettings& settings, FrameSurfaces& surfaces,
                         const ClockInstant& now);

}  // namespace marvix
