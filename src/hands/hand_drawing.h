#pragma once

// The eight hands, one family: each is drawn in line, triangle or bar style, with or without a
// tail, about the common pivot or its own, and the stacking slots HandZ7 down to HandZ0 say in
// which order.

#include "base/surface.h"
#include "hands/hand_family.h"
#include "hands/hand_positions.h"

namespace marvix {


void DrawHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions,
              Hand hand);

void HourHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void MinuteHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void SecondHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void DateHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void DayHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void MonthHand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void Internet1Hand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);
void Internet2Hand(Surface& surface, const ClockSettings& settings, const HandPositions& positions);

// Slot 7 first, slot 0 last and on top; each slot draws every hand whose token it holds exactly.
void HandPass(Surface& surface, const ClockSettings& settings, const HandPositions& positions);

}  // namespace marvix
