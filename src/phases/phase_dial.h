#pragma once

// What the moon-phase and the day/night dials share: a round dial on a square of the face, sky
// above a base-coloured ground, and the copy into the frame (whole or halved, mirrored or not).

#include "base/surface.h"
#include "settings/clock_settings.h"

namespace marvix {

// The side a dial is drawn with: as stored, but never beyond the larger side of the screen's
// maximised area (once known), so that a size typed or stored too large does not ask for a
// bitmap of hundreds of megabytes.
int DialSize(int stored, Size screen);

// The dial's square surface sized S x S over a copy of the face at `at`, then the sky disc, the
// horizon line with the lower half of the rim, and the ground filled up to them; smooth, the
// sky disc and the ground's half disc are drawn with anti-aliased edges instead.
void BeginDial(Surface& dial, const Surface& face, Point at, int size, Colour sky, Colour base,
               bool smooth = false);

// The dial into the frame at `at`, or at the mirrored place; halved, only its sky half.
void CopyDial(Surface& frame, const Surface& dial, Point at, int size, bool halved, bool mirrored,
              int faceWidth);

}  // namespace marvix
