#pragma once

// Hours in which a clock keeps its chimes, ticks and tocks to itself (alarms and timers always
// ring): from one time of day to another in the clock's own time, across midnight when the end
// comes first, starting on the days ticked.

#include <optional>
#include <string_view>

#include "base/local_time.h"
#include "settings/clock_settings.h"

namespace marvix {

struct QuietHours {
    std::optional<int> from{};  // minutes after midnight; none: never quiet
    std::optional<int> to{};
    int days = 127;  // a bit a day, Monday (1) to Sunday (64): the day the quiet begins
};

// The clock's quiet hours as its settings keep them ("22:00", "07:00", the days).
QuietHours QuietHoursOf(const ClockSettings& settings);

// Whether `time` falls in the quiet hours: a span that began on a ticked day and has not ended.
bool IsQuiet(const QuietHours& quiet, const LocalTime& time);

}  // namespace marvix
