#include "sound/quiet_hours.h"

namespace marvix {

namespace {

// Monday (bit 0) to Sunday (bit 6), the date `daysBack` days before `time`'s.
bool Ticked(int days, const LocalTime& time, int daysBack) {
    const LocalTime date = AddMilliseconds(time, -int64_t{daysBack} * kMillisecondsPerDay);
    return (days >> WeekdayFromMonday(date.year, date.month, date.day)) & 1;
}

}  // namespace

QuietHours QuietHoursOf(const ClockSettings& s) {
    return {ParseTimeOfDay(s.QuietFrom), ParseTimeOfDay(s.QuietTo), s.QuietDays};
}

bool IsQuiet(const QuietHours& quiet, const LocalTime& time) {
    if (!quiet.from || !quiet.to || *quiet.from == *quiet.to) return false;
    const int now = time.hour * 60 + time.minute;
    if (*quiet.from < *quiet.to)
        return now >= *quiet.from && now < *quiet.to && Ticked(quiet.days, time, 0);
    // Across midnight: begun this evening, or on the evening before.
    if (now >= *quiet.from) return Ticked(quiet.days, time, 0);
    return now < *quiet.to && Ticked(quiet.days, time, 1);
}

}  // namespace marvix
