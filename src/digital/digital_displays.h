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

// clang-format off
inline constexpr std::array<DisplaySpec, kDisplayCount> kDisplays = {{
    {.name = "DAY", .show = &ClockSettings::SDay, .autoPlace = &ClockSettings::PDay, .transparent = &ClockSettings::TranDay, .x = &ClockSettings::PDX, .y = &ClockSettings::PDY, .background = &ClockSettings::ColorDayStr},
    {.name = "DATE", .show = &ClockSettings::SDate, .autoPlace = &ClockSettings::PDate, .transparent = &ClockSettings::TranDate, .x = &ClockSettings::PX, .y = &ClockSettings::PY, .background = &ClockSettings::ColorDateStr},
    {.name = "MONTH", .show = &ClockSettings::SMonth, .autoPlace = &ClockSettings::PMonth, .transparent = &ClockSettings::TranMonth, .x = &ClockSettings::PMnX, .y = &ClockSettings::PMnY, .background = &ClockSettings::ColorMonthStr},
    {.name = "YEAR", .show = &ClockSettings::SYear, .autoPlace = &ClockSettings::PYear, .transparent = &ClockSettings::TranYear, .x = &ClockSettings::PYrX, .y = &ClockSettings::PYrY, .background = &ClockSettings::ColorYearStr},
    {.name = "HOUR", .show = &ClockSettings::SHour, .autoPlace = &ClockSettings::PHour, .transparent = &ClockSettings::TranHour, .x = &ClockSettings::PHrX, .y = &ClockSettings::PHrY, .background = &ClockSettings::ColorHourStr},
    {.name = "MINUTE", .show = &ClockSettings::SMin, .autoPlace = &ClockSettings::PMin, .transparent = &ClockSettings::TranMin, .x = &ClockSettings::PMinX, .y = &ClockSettings::PMinY, .background = &ClockSettings::ColorMinStr},
    {.name = "SECOND", .show = &ClockSettings::SSec, .autoPlace = &ClockSettings::PSec, .transparent = &ClockSettings::TranSec, .x = &ClockSettings::PSecX, .y = &ClockSettings::PSecY, .background = &ClockSettings::ColorSecStr},
    {.name = "COLON1", .show = &ClockSettings::SColon1, .autoPlace = &ClockSettings::PColon1, .transparent = &ClockSettings::TranColon1, .x = &ClockSettings::PColon1X, .y = &ClockSettings::PColon1Y, .background = &ClockSettings::ColorColon1Str},
    {.name = "COLON2", .show = &ClockSettings::SColon2, .autoPlace = &ClockSettings::PColon2, .transparent = &ClockSettings::TranColon2, .x = &ClockSettings::PColon2X, .y = &ClockSettings::PColon2Y, .background = &ClockSettings::ColorColon2Str},
    {.name = "AM/PM", .show = &ClockSettings::SAMPM, .autoPlace = &ClockSettings::PAMPM, .transparent = &ClockSettings::TranAMPM, .x = &ClockSettings::PAMPMX, .y = &ClockSettings::PAMPMY, .background = &ClockSettings::ColorAMPMStr},
    {.name = "INTER1", .show = &ClockSettings::SIntern1, .autoPlace = &ClockSettings::PIntern1, .transparent = &ClockSettings::TranIntern1, .x = &ClockSettings::PIntern1X, .y = &ClockSettings::PIntern1Y, .background = &ClockSettings::ColorIntern1Str},
    {.name = "INTER2", .show = &ClockSettings::SIntern2, .autoPlace = &ClockSettings::PIntern2, .transparent = &ClockSettings::TranIntern2, .x = &ClockSettings::PIntern2X, .y = &ClockSettings::PIntern2Y, .background = &ClockSettings::ColorIntern2Str},
}};
// clang-format on

// How the displays look beyond their settings: kept by the clock while it runs, never stored.
struct DisplayLook {
    DisplayFonts fonts{};     // what each display draws with, in font-slot order
    bool colonsShown = true;  // the blinking colons' half second: a colon, or a space
};

}  // namespace marvix
