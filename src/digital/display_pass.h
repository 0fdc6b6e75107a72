#pragma once

// The digital displays' part of every tick: placing the nine that can place themselves, then
// drawing each shown display on its own surface, sized to its text, and copying it into the
// frame (mirrored when the clock is).

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "digital/digital_displays.h"

namespace marvix {

// The default point size of the frame's own font, which the automatic placement measures by.
inline constexpr int kFramePointSize = 8;

// Where displays 1 to 9 stand on a face of this size: one with automatic placement where the face
// puts it, the others where their settings put them, but held to X <= the face's width and
// Y <= its height. AM/PM, INTER1 and INTER2 are never moved. Derived: the clock keeps them beside
// its settings, and writes them into the displays' X and Y only when it saves.
using DisplayPlaces = std::array<Point, kAutoPlacedDisplays>;
DisplayPlaces PlacedDisplays(const ClockSettings& settings, Size face);

// Displays 1 to 9 stand at `places`, the others where their settings put them.
void DrawDigitalDisplays(const ClockSettings& settings, const DisplayLook& look,
                         const DisplayPlaces& places, FrameSurfaces& surfaces,
                         const ClockInstant& now);

}  // namespace marvix
