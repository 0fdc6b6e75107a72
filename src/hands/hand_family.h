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

// A member's token, its name where the user sets it up, where its settings live, its dial (units
// per turn and corner offset) and its drawing order (tail first: the tail before the hand and
// twice as thick).
struct HandSpec {
    std::string_view token;
    std::string_view name;
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
// clang-format off
inline constexpr std::array<HandSpec, kHandCount> kHands = {{
    {.token = "Hour", .name = "Hour", .show = &ClockSettings::DispH, .length = &ClockSettings::AHS, .width = &ClockSettings::HWT, .x = &ClockSettings::HX, .y = &ClockSettings::HY, .style = &ClockSettings::HHandStyle, .tail = &ClockSettings::HandE, .colour = &ClockSettings::CHourStr, .units = 12, .cornerOffset = 3, .tailFirst = false},
    {.token = "Min", .name = "Min", .show = &ClockSettings::DispM, .length = &ClockSettings::AMS, .width = &ClockSettings::MWT, .x = &ClockSettings::MX, .y = &ClockSettings::MY, .style = &ClockSettings::MHandStyle, .tail = &ClockSettings::HandE2, .colour = &ClockSettings::CMinStr, .units = 60, .cornerOffset = 15, .tailFirst = false},
    {.token = "Sec", .name = "Sec", .show = &ClockSettings::DispS, .length = &ClockSettings::ASS, .width = &ClockSettings::SWT, .x = &ClockSettings::SX, .y = &ClockSettings::SY, .style = &ClockSettings::SHandStyle, .tail = &ClockSettings::HandE3, .colour = &ClockSettings::CSecStr, .units = 60, .cornerOffset = 15, .tailFirst = true},
    {.token = "Dat", .name = "Date", .show = &ClockSettings::DispDate, .length = &ClockSettings::ADtS, .width = &ClockSettings::DtWT, .x = &ClockSettings::DDtX, .y = &ClockSettings::DDtY, .style = &ClockSettings::DateHandStyle, .tail = &ClockSettings::HandDt, .colour = &ClockSettings::CDateStr, .units = 31, .cornerOffset = 8, .tailFirst = false},
    {.token = "Day", .name = "Day", .show = &ClockSettings::DispDay, .length = &ClockSettings::ADyS, .width = &ClockSettings::DyWT, .x = &ClockSettings::DyX, .y = &ClockSettings::DyY, .style = &ClockSettings::DayHandStyle, .tail = &ClockSettings::HandDy, .colour = &ClockSettings::CDayStr, .units = 7, .cornerOffset = 2, .tailFirst = false},
    {.token = "Mon", .name = "Mon", .show = &ClockSettings::DispMonth, .length = &ClockSettings::AMnS, .width = &ClockSettings::MnWT, .x = &ClockSettings::MnX, .y = &ClockSettings::MnY, .style = &ClockSettings::MonthHandStyle, .tail = &ClockSettings::HandMn, .colour = &ClockSettings::CMonthStr, .units = 12, .cornerOffset = 3, .tailFirst = false},
    {.token = "Int1", .name = "Int1", .show = &ClockSettings::DispInternet1, .length = &ClockSettings::AInternet1, .width = &ClockSettings::Internet1WT, .x = &ClockSettings::Internet1X, .y = &ClockSettings::Internet1Y, .style = &ClockSettings::Internet1HandStyle, .tail = &ClockSettings::HandInternet1, .colour = &ClockSettings::CInternet1Str, .units = 1000, .cornerOffset = 250, .tailFirst = false},
    {.token = "Int2", .name = "Int2", .show = &ClockSettings::DispInternet2, .length = &ClockSettings::AInternet2, .width = &ClockSettings::Internet2WT, .x = &ClockSettings::Internet2X, .y = &ClockSettings::Internet2Y, .style = &ClockSettings::Internet2HandStyle, .tail = &ClockSettings::HandInternet2, .colour = &ClockSettings::CInternet2Str, .units = 1000, .cornerOffset = 250, .tailFirst = true},
}};
// clang-format on

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
