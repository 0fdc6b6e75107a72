#pragma once

// A picture at another size, resampled with a proper filter (stb_image_resize: Catmull-Rom when
// it grows, Mitchell when it shrinks, in linear light), never by picking the nearest pixel.

#include "base/geometry.h"
#include "base/picture.h"

namespace marvix {

Picture Resampled(const Picture& picture, Size size);

}  // namespace marvix
