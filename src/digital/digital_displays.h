#pragma once

// The twelve digital displays, in drawing order (which is also font-slot order), and where each
// one's settings live.

#include <array>
#include <string_view>

#include "settings/clock_settings.h"

namespace marvix {

// clang-format off
enum class Display { Day, Date, Month, Year, Hour, Minute, Second, Colon1, Colon2, AmPm, Inter1, Inter2 };
// clang-format on
inline constexpr size_t kDisplayCount = 12;
// DAY to COLON2 can place themselves; AM/PM, INTER1 and INTER2 are never moved.
inline constexpr size_t kAutoPlacedDisplays = 9;

struct DisplaySpec {
    std::string_view name;
    bool ClockSettings::*show;
    bool ClockSettings::*autoPlace;  // has effect for the first kAutoPlacedDisplays only
    bool ClockSettings::*transparent;
    int32_t ClockSettings::*x;
    int32_t ClockSettings::*y;
    ColourSetting ClockSettings::*background;
};

extern const std::array<DisplaySpec, kDisplayCount> kDisplays;

// How the displays look beyond their settings: kept by the clock while it runs, never stored.
struct DisplayLook {
    DisplayFonts fonts{};     // what each display draws with, in font-slot order
    bool colonsShown = true;  // the blinking colons' half second: a colon, or a space
};

}  // namespace marvix
