#pragma once

// The eight hands, one family: each is drawn in line, triangle or bar style, with or without a
// tail, about the common pivot or its own, and the stacking slots HandZ7 down to HandZ0 say in
// which order.

#include "base/surface.h"
#include "hands/hand_family.h"
#include "hands/hand_geometry.h"
#include "hands/hand_positions.h"

namespace marvix {

// One hand: HourHand, MinuteHand, SecondHand ... Internet2Hand are each this call with its Hand.
// Its length and the common pivot are the face's effective ones.
void DrawHand(Surface& surface, const ClockSettings& settings, const HandGeometry& geometry,
              const HandPositions& positions, Hand hand);

// Slot 7 first, slot 0 last and on top; each slot draws every hand whose token it holds exactly.
void HandPass(Surface& surface, const ClockSettings& settings, const HandGeometry& geometry,
              const HandPositions& positions);

}  // namespace marvix
