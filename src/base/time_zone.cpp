#include "base/time_zone.h"

#include <algorithm>

#include "base/ascii.h"

namespace marvix {

namespace {

constexpr int64_t kMillisecondsPerMinute = 60'000;

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
    for (size_t at = 0; at + word.size() <= text.size(); ++at)
        if (EqualsIgnoringAsciiCase(text.substr(at, word.size()), word)) return true;
    return false;
}

}  // namespace

LocalTime ChangeIn(const ZoneChange& change, int year) {
    int day = change.day;
    if (change.year != 0) {
        year = change.year;
    } else {
        // The first such weekday of the month, then whole weeks on; the fifth is the last.
        const int firstWeekday = DayOfWeek(year, change.month, 1) - 1;
        day = 1 + (change.dayOfWeek - firstWeekday + 7) % 7 + (change.day - 1) * 7;
        while (day > DaysInMonth(year, change.month)) day -= 7;
    }
    return {uint16_t(year), change.month,  uint16_t(day), DayOfWeek(year, change.month, day),
            change.hour,    change.minute, change.second, change.millisecond};
}

ZoneReading InZone(const ZoneRule& rule, const LocalTime& utc) {
    const int32_t standard = rule.bias + rule.standardBias;
    const int32_t daylight = rule.bias + rule.daylightBias;
    const auto at = [&](int32_t bias) {
        return ZoneReading{AddMilliseconds(utc, -bias * kMillisecondsPerMinute), bias};
    };
    if (rule.standardStarts.month == 0 || rule.daylightStarts.month == 0) return at(standard);

    // Both changes of the zone's year, in universal time: daylight time starts at a standard
    // time and ends at a daylight time.
    const int year = at(standard).time.year;
    const int64_t now = MillisecondsSince1970(utc);
    const int64_t starts = MillisecondsSince1970(ChangeIn(rule.daylightStarts, year)) +
                           standard * kMillisecondsPerMinute;
    const int64_t ends = MillisecondsSince1970(ChangeIn(rule.standardStarts, year)) +
                         daylight * kMillisecondsPerMinute;
    // South of the equator daylight time spans the new year: it starts late and ends early.
    const bool inDaylight =
        starts < ends ? now >= starts && now < ends : now >= starts || now < ends;
    return at(inDaylight ? daylight : standard);
}

int64_t UniversalOf(const ZoneRule& rule, const LocalTime& local) {
    const int64_t ms = MillisecondsSince1970(local);
    const auto shows = [&](int32_t bias) {
        const int64_t utc = ms + int64_t{bias} * kMillisecondsPerMinute;
        return InZone(rule, AddMilliseconds(local, int64_t{bias} * kMillisecondsPerMinute)).bias ==
                       bias
                   ? std::optional<int64_t>(utc)
                   : std::nullopt;
    };
    const int32_t standard = rule.bias + rule.standardBias;
    const std::optional<int64_t> daylight = shows(rule.bias + rule.daylightBias);
    const std::optional<int64_t> inStandard = shows(standard);
    if (daylight && inStandard) return std::min(*daylight, *inStandard);
    return daylight.value_or(inStandard.value_or(ms + int64_t{standard} * kMillisecondsPerMinute));
}

ZoneReading ZonedTime::Read() {
    const LocalTime local = computer_.Now();
    const int32_t bias = computer_.UtcBiasMinutes();
    const LocalTime utc = AddMilliseconds(local, bias * kMillisecondsPerMinute);
    if (ruleYear_ != utc.year) {
        ruleYear_ = utc.year;
        rule_ = rules_.RuleFor(utc.year);
        lost_ = !rule_;
    }
    return rule_ ? InZone(*rule_, utc) : ZoneReading{local, bias};
}

std::string FirstPlaceOf(std::string_view name) {
    if (name.starts_with("(")) {
        const size_t close = name.find(')');
        if (close != std::string_view::npos) name.remove_prefix(close + 1);
    }
    while (name.starts_with(" ")) name.remove_prefix(1);
    name = name.substr(0, name.find_first_of(",("));
    while (name.ends_with(" ")) name.remove_suffix(1);
    return std::string(name);
}

bool ZoneMatches(std::string_view name, std::string_view typed) {
    while (!typed.empty()) {
        const size_t space = typed.find(' ');
        const std::string_view word = typed.substr(0, space);
        if (!word.empty() && !ContainsIgnoringCase(name, word)) return false;
        if (space == std::string_view::npos) break;
        typed.remove_prefix(space + 1);
    }
    return true;
}

}  // namespace marvix
