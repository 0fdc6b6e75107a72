#pragma once

// Which part of the window a new frame changes. Only the pixels that differ from the frame on
// screen are sent to it, within the area the frame cache says may have changed: pushing pixels
// to the screen costs far more than comparing them.

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
