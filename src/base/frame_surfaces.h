#pragma once

// The pictures a frame is made of: the display picture the tick composes into, the face it starts
// from, and the hidden surfaces the digital displays and the phase dials are drawn on first.

#include <array>

#include "base/surface.h"

namespace marvix {

struct FrameSurfaces {
    Surface& display;                 // Image1: the picture the window shows
    const Surface& face;              // Image2: the face, never drawn on by the tick
    std::array<Surface*, 12> digits;  // the display surfaces, in font-slot order DAY, DATE, ...
    Surface& moon;                    // Image14
    Surface& dayNight;                // Image15
};

}  // namespace marvix
