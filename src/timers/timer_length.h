#pragma once

// Timer lengths as people type them ("25" minutes, "4:30", "1:30:00", "90s", "1h30m") and times
// as a timer or the stopwatch shows them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvix {

// The longest timer; a moment further off is counted down to as a moment.
inline constexpr int64_t kLongestTimerSeconds = 999LL * 3600;

// What the Timers window says of a length it cannot read.
inline constexpr char kLengthsAccepted[] =
    "Type a length as minutes (25), minutes and seconds (4:30), hours, minutes and seconds "
    "(1:30:00), or with units (90s, 1h30m), from 1 second to 999 hours.";

// The seconds `text` names, spaces around it ignored; nullopt unless it is 1 second to 999 hours
// in one of the forms above (seconds and minutes after a colon below 60, units h, m and s in that
// order, each at most once).
std::optional<int64_t> ParseTimerLength(std::string_view text);

// A length as the Timers window shows it: "25:00", "1:30:00".
std::string LengthText(int64_t seconds);

// The time left as a clock shows it, whole seconds rounded up so that "0:00" is the end: "4:12",
// "1:02:03", and over 24 hours "2 days 4:05:06".
std::string TimeLeftText(int64_t milliseconds);

// The stopwatch's time, to the tenth of a second (rounded down): "0:12.3", "1:02:03.4".
std::string TenthsText(int64_t milliseconds);

}  // namespace marvix
