#include "sound/quiet_hours.h"

#include "base/ascii.h"

namespace marvix {

namespace {

// Monday (bit 0) to Sunday (bit 6), the date `daysBack` days before `time`'s.
bool Ticked(int days, const LocalTime& time, int daysBack) {
    const LocalTime date = AddMilliseconds(time, -int64_t{daysBack} * kMillisecondsPerDay);
    const int bit = (DayOfWeek(date.year, date.month, date.day) + 5) % 7;
    return (days >> bit) & 1;
}

}  // namespace

std::optional<int> ParseTimeOfDay(std::string_view text) {
    text = TrimmedAscii(text);
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    int hour = 0, minute = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == colon) continue;
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        int& part = i < colon ? hour : minute;
        part = part * 10 + (text[i] - '0');
    }
    if (hour > 23 || minute > 59) return std::nullopt;
    return hour * 60 + minute;
}

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
