#pragma once

// The face geometry rule: the clock centre and the hand lengths the drawing uses, derived from
// the requested ones and the size of the face.

#include "base/geometry.h"
#include "settings/clock_settings.h"

namespace marvix {

// Sets FaceWidth, FaceHeight and FaceMin from the face, then the effective centre (ACX, ACY) and
// the eight effective hand lengths.
void ApplyFaceGeometry(ClockSettings& settings, Size face);

}  // namespace marvix
