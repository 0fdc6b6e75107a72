#pragma once

// The eight hands are one family: this table says what distinguishes each member, for the hand
// preparation and the drawing alike.

#include <array>
#include <string>
#include <string_view>

#include "settings/clock_settings.h"

namespace marvix {

// In the order of their tokens "Hour", "Min", "Sec", "Dat", "Day", "Mon", "Int1", "Int2".
enum class Hand { Hour, Minute, Second, Date, Day, Month, Internet1, Internet2 };
inline constexpr size_t kHandCount = 8;

// How a hand is drawn, as its style setting stores it: a line as wide as the hand, a filled
// triangle, or a filled bar. Any other stored value draws no hand at all (the hands window offers
// only the three, but a registry or file may hold another).
enum class HandStyle { Line = 0, Triangle = 1, Bar = 2, NoHand };
constexpr HandStyle HandStyleOf(int32_t stored) {
    return stored >= 0 && stored <= 2 ? static_cast<HandStyle>(stored) : HandStyle::NoHand;
}

// A member's token, where its settings live, its dial (units per turn and corner offset) and
// its drawing order (tail first: the tail before the hand and twice as thick).
struct HandSpec {
    std::string_view token;
    bool ClockSettings::*show;
    GeometrySetting ClockSettings::*length;
    int32_t ClockSettings::*width;
    int32_t ClockSettings::*x;
    int32_t ClockSettings::*y;
    int32_t ClockSettings::*style;
    bool ClockSettings::*tail;
    ColourSetting ClockSettings::*colour;
    int units;
    int cornerOffset;
    bool tailFirst;
};
extern const std::array<HandSpec, kHandCount> kHands;

// The stacking slots HandZ0 (drawn last, on top) to HandZ7, each holding a hand's token.
inline constexpr std::array<std::string ClockSettings::*, 8> kStackingSlots = {
    &ClockSettings::HandZ0, &ClockSettings::HandZ1, &ClockSettings::HandZ2, &ClockSettings::HandZ3,
    &ClockSettings::HandZ4, &ClockSettings::HandZ5, &ClockSettings::HandZ6, &ClockSettings::HandZ7,
};

struct Dial {
    double units;
    double cornerOffset;
};
// The hand's dial as the settings have it: the hour dial has 24 units, and a corner offset of 6,
// with HourMil.
Dial DialOf(const ClockSettings& settings, Hand hand);

}  // namespace marvix
