#pragma once

// The eight hands, one family: each is drawn in line, triangle or bar style, with or without a
// tail, about the common pivot or its own, and the stacking slots HandZ7 down to HandZ0 say in
// which order.

#include <array>
#include <string_view>

#include "app/surface.h"
#include "hands/hand_positions.h"

namespace marvix {

// What distinguishes one member of the family: its token, where its settings live, its dial
// (units per turn and corner offset, the hour dial's by HourMil) and its drawing order (B: tail
// first and twice as thick, then the hand).
struct HandSpec {
    std::string_view token;
    bool ClockSettings::*show;
    GeometrySetting ClockSettings::*length;
    int32_t ClockSettings::*width;
    int32_t ClockSettings::*y;
    int32_t ClockSettings::*style;
    bool ClockSettings::*tail;
    ColourSetting ClockSettings::*colour;
    int units;
    int cornerOffset;
    bool tailFirst;
};
extern const std::array<HandSpec, kHandCount> kHands;

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
