#pragma once

// The clock in words, for those who cannot see it: what a screen reader says for the clock
// window, and what the tray icon's tip starts with.

#include <string>
#include <string_view>
#include <vector>

#include "base/local_time.h"
#include "settings/clock_settings.h"
#include "sound/alarm_bell.h"

namespace marvix {

// "7:30": an hour of the day (0 to 23) and its minute.
std::string HoursAndMinutes(int hour, int minute);

// What the tray tip adds to the reading: the alarm ringing ("alarm ringing: 7:30, Wake up"), one
// not answered, one snoozed ("alarm snoozed until 7:35", with its label if it has one), or
// "alarms paused" while the clock is hidden by a double-click; else nothing.
std::string AlarmNews(const ClockSettings& settings, const AlarmBell& bell, bool paused);

// The time as a person reads it, to the minute, with the user's own day and month names (the
// spelling window's): "10:09, Tuesday 8 December 2026", and ", alarm at 7:30" while an alarm is
// on (the next to ring), then the alarm news; the next alarm is left out where it is the very
// alarm the news is about, so that one alarm is named once. Hours run 0 to 23, which reads the
// same in every language. The tray tip starts with it, and a screen reader reads it.
std::string ReadingWithAlarmNews(const ClockSettings& settings, const AlarmBell& bell, bool paused,
                                 const LocalTime& time);

// Another clock's place, its time there, and its settings, which spell its day names.
struct PlaceReading {
    std::string name;
    LocalTime time;
    const ClockSettings& spelling;
};

// What the tray tip ends with while it has room.
inline constexpr std::string_view kTrayMouseHelp =
    "Press left mouse to show clock, right for menu.";
// The characters of a tip Windows keeps.
inline constexpr size_t kTrayTipRoom = 127;

// The tray tip: the first clock's reading, with other clocks a line for each after it ("Tokyo
// 17:04 Thursday"), and the mouse's help, within `room` characters. Where they do not fit, the
// help goes first, then the other clocks' day names are shortened ("Thu") and then left out,
// then their labels are shortened; what still does not fit ends after its last whole word.
std::string TrayTip(const std::string& firstReading, const std::vector<PlaceReading>& others,
                    size_t room = kTrayTipRoom);

// What the alarm window says of the alarm the bell rings for: its time in the clock's words, its
// label (else "Alarm 1"), and a line on when it was due if it rang late, or that it was not
// answered.
struct AlarmNotice {
    std::string time;
    std::string label;
    std::string note;
    friend bool operator==(const AlarmNotice&, const AlarmNotice&) = default;
};
AlarmNotice NoticeOf(const ClockSettings& settings, const AlarmBell& bell);

}  // namespace marvix
