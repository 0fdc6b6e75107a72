#pragma once

// What the Timers window takes as typed, beside a plain length: steps with labels of their own,
// and a moment in the clock's own time to count down to.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/local_time.h"
#include "timers/countdown.h"

namespace marvix {

// What the Timers window says of steps it cannot read.
inline constexpr char kStepsAccepted[] =
    "Type steps as labels and lengths separated by commas, the last maybe after \"then\": "
    "Work 25, Break 5, then Long break 15.";

// What it says of a moment it cannot read, or one already past.
inline constexpr char kMomentsAccepted[] =
    "Type the moment in the clock's own time, later than now: a date and time (2027-01-01 "
    "00:00), a date (its midnight) or a time of day (17:30, today or tomorrow).";

struct TypedSteps {
    std::vector<TimerStep> steps{};
    std::optional<TimerStep> closing{};
};

// One length ("25"), or lengths with labels in turn, separated by commas, the last after "then"
// run once after every round: "Work 25, Break 5, then Long break 15". Each length is typed as
// ParseTimerLength takes it, after the step's label if it has one ("Long break 1h 30m").
std::optional<TypedSteps> ParseSteps(std::string_view text);

// The plan's steps as ParseSteps takes them back.
std::string StepsText(const TimerPlan& plan);

// "2027-01-01 00:00", "2027-01-01" (its midnight) or "17:30" (its next coming after `now`),
// in the same time as `now`; nullopt unless it names a real moment after `now`.
std::optional<LocalTime> ParseMoment(std::string_view text, const LocalTime& now);

}  // namespace marvix
