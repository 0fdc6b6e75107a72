#pragma once

// The time in another zone. A zone's rule for a year is plain data, as Windows gives it (its
// bias, and the days daylight time starts and ends, as "the n-th weekday of a month" or as a
// date); the shell only fetches the rule, and everything the rule means is worked out here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/local_time.h"

namespace marvix {

// A day on which a zone's clocks change, at a time of that day. With `year` 0 it recurs: the
// `day`-th `dayOfWeek` (0 Sunday to 6 Saturday) of `month`, 5 meaning the last; otherwise it is
// that date. `month` 0: the zone has no such change.
struct ZoneChange {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t dayOfWeek = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t millisecond = 0;
    friend constexpr bool operator==(const ZoneChange&, const ZoneChange&) = default;
};

// A zone's rule for one year. Universal time is local time plus the bias: `bias` plus
// `standardBias` in standard time, plus `daylightBias` in daylight time.
struct ZoneRule {
    int32_t bias = 0;
    int32_t standardBias = 0;
    int32_t daylightBias = 0;
    ZoneChange standardStarts;  // daylight time ends, at this daylight time
    ZoneChange daylightStarts;  // at this standard time
    friend constexpr bool operator==(const ZoneRule&, const ZoneRule&) = default;
};

// The local time a change happens at in `year`, by the calendar.
LocalTime ChangeIn(const ZoneChange& change, int year);

// A zone's time and bias at one instant.
struct ZoneReading {
    LocalTime time;
    int32_t bias = 0;  // universal time = time + bias
};

// The zone's time at universal time `utc`, by the rule for the year.
ZoneReading InZone(const ZoneRule& rule, const LocalTime& utc);

// The universal time, in milliseconds since 1970, at which the zone's clocks show `local`. An
// hour shown twice as daylight time ends is its first showing; one skipped as it starts is read
// in standard time (an hour later than the clocks would have shown it).
int64_t UniversalOf(const ZoneRule& rule, const LocalTime& local);

// Where a zone's rules come from: the platform's, or rules recorded for a test.
class ZoneRules {
public:
    virtual ~ZoneRules() = default;
    // The rule in force in `year`; nullopt when the zone is not known for it.
    virtual std::optional<ZoneRule> RuleFor(int year) = 0;
};

// A clock's time in a zone, from the computer's own clock: its universal time taken to the zone.
// When the zone has no rule for the year, it reads the computer's local time, and `lost` is set.
class ZonedTime final : public TimeSource {
public:
    ZonedTime(TimeSource& computer, ZoneRules& rules) : computer_(computer), rules_(rules) {}
    LocalTime Now() override { return Read().time; }
    int32_t UtcBiasMinutes() override { return Read().bias; }
    // Whether the zone's rule could not be had the last time it was asked for.
    bool Lost() const { return lost_; }
    // The rule is asked for again at the next reading: Windows may have been given new ones.
    void Refresh() override { ruleYear_ = 0; }

private:
    ZoneReading Read();

    TimeSource& computer_;
    ZoneRules& rules_;
    int ruleYear_ = 0;
    std::optional<ZoneRule> rule_;
    bool lost_ = false;
};

// A zone as the platform names it.
struct ZoneName {
    std::string key;      // as stored: never changes with the language ("Tokyo Standard Time")
    std::string display;  // as shown ("(UTC+09:00) Osaka, Sapporo, Tokyo")
};

// "local", the zone a clock has unless it is given another: the computer's own.
inline constexpr std::string_view kLocalZone = "local";

// The first place a zone's display name names: "(UTC+09:00) Osaka, Sapporo, Tokyo" gives
// "Osaka", "(UTC-05:00) Eastern Time (US & Canada)" gives "Eastern Time".
std::string FirstPlaceOf(std::string_view displayName);

// Whether a zone's display name holds every word of what was typed, in any case and order:
// "tokyo" finds "(UTC+09:00) Osaka, Sapporo, Tokyo".
bool ZoneMatches(std::string_view displayName, std::string_view typed);

}  // namespace marvix
