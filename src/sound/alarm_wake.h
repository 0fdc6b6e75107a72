#pragma once

// When the computer must be awake for a clock's alarms: the next minute an alarm that wakes it
// rings, as a universal instant by the clock zone's rules, so that a daylight-saving change
// before it moves the wake with the alarm.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "base/local_time.h"
#include "settings/clock_settings.h"
#include "sound/alarm_bell.h"

namespace marvix {

// The universal instant, in milliseconds since 1970, at which the clock shows a local time.
using UniversalOfLocal = std::function<int64_t(const LocalTime&)>;

// Which of the five alarms wake the computer: those marked so (Wake1..Wake5 = 1), and at first
// (-1) those that ring until answered.
std::array<bool, 5> AlarmsThatWake(const ClockSettings& settings);

// The soonest instant after `now` (the clock's own time) at which an alarm that is on and marked
// in `wakes` rings: its minute on the next ticked day, or the end of its snooze while the bell
// holds it snoozed. None while no such alarm is on.
std::optional<int64_t> NextWakingAlarm(const ClockSettings& settings,
                                       const std::array<bool, 5>& wakes, const AlarmBell& bell,
                                       const LocalTime& now, const UniversalOfLocal& universalOf);

// The days of `month` (1 to 12) of `year` on which an alarm that is on rings, a bit each from the
// 1st (bit 0): as a month calendar marks them in bold.
uint32_t AlarmDaysOfMonth(const ClockSettings& settings, int year, int month);

}  // namespace marvix
