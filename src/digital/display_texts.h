#pragma once

// What each digital display shows: the rules that turn the time and the names into its text.

#include <string>

#include "base/local_time.h"
#include "digital/digital_displays.h"

namespace marvix {

// The text of one display at the tick's time; a blinking colon is a space in its dark half
// second, and INTER1 and INTER2 also need the zone's bias.
std::string DisplayText(Display display, const ClockSettings& settings, bool colonsShown,
                        const LocalTime& time, int32_t utcBias);

// The spelling settings' long names: the day of the week (1 Sunday to 7 Saturday) and the month
// (1 to 12), as the user wrote them.
const std::string& LongDayName(const ClockSettings& settings, int dayOfWeek);
const std::string& LongMonthName(const ClockSettings& settings, int month);
// The short name of the day of the week.
const std::string& ShortDayName(const ClockSettings& settings, int dayOfWeek);

}  // namespace marvix
