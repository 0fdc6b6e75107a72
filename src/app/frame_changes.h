#pragma once

// Which part of the window a new frame changes. Every tick composes the whole frame, but only the
// pixels that differ from the frame on screen are sent to it: most ticks of a clock without a
// smooth second hand change nothing at all, and pushing a frame to the screen costs far more
// than composing it.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/geometry.h"
#include "base/picture.h"

namespace marvix {

// The smallest rectangle holding every pixel within `area` that differs between two frames, or
// nullopt when they are the same there.
std::optional<Rect> ChangedArea(PixelView now, PixelView before, Rect area);

}  // namespace marvix
