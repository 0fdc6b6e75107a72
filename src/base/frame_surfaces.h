#pragma once

// The pictures a frame is made of: the display picture the tick composes into, the face it starts
// from, and the hidden surfaces the digital displays and the phase dials are drawn on first.

#include <array>

#include "base/surface.h"

namespace marvix {

struct FrameSurfaces {
    Surface& display;                 // the picture the window shows
    const Surface& face;              // the face, never drawn on by the tick
    std::array<Surface*, 12> digits;  // the display surfaces, in font-slot order DAY, DATE, ...
    Surface& moon;                    // the moon dial's own picture
    Surface& dayNight;                // the day/night dial's own picture
};

}  // namespace marvix
