#pragma once

// The clock in words, for those who cannot see it: what a screen reader says for the clock
// window, and what the tray icon's tip starts with.

#include <string>

#include "base/local_time.h"
#include "settings/clock_settings.h"

namespace marvix {

// The time as a person reads it, to the minute, with the user's own day and month names (the
// spelling window's): "10:09, Tuesday 8 December 2026", and ", alarm at 7:30" while an alarm is
// on (the next to ring). Hours run 0 to 23, which reads the same in every language.
std::string ClockReading(const ClockSettings& settings, const LocalTime& time);

}  // namespace marvix
