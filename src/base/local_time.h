#pragma once

// Time is an input: the core computes everything from a LocalTime it is given. Only the shell
// samples the clock, through TimeSource, so tests and the render tool can set the time.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvix {

struct LocalTime {
    uint16_t year = 2000;
    uint16_t month = 1;      // 1 to 12
    uint16_t day = 1;        // 1 to 31
    uint16_t dayOfWeek = 7;  // 1 Sunday to 7 Saturday
    uint16_t hour = 0;       // 0 to 23
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t millisecond = 0;
    friend constexpr bool operator==(const LocalTime&, const LocalTime&) = default;
};

inline constexpr int64_t kMillisecondsPerDay = 86'400'000;

// The start of the time's minute: its seconds and milliseconds dropped.
constexpr LocalTime MinuteOf(LocalTime time) {
    time.second = time.millisecond = 0;
    return time;
}

// Days from 1 January 1970 to the date, in the Gregorian calendar.
int64_t DaysFromCivil(int year, int month, int day);

// Milliseconds from 1 January 1970 to the local time, by the calendar alone: what two readings
// are apart, a change of daylight time in between aside.
int64_t MillisecondsSince1970(const LocalTime& time);

// The local time `milliseconds` later (earlier when negative), by the calendar alone: a change of
// daylight time in between is not applied.
LocalTime AddMilliseconds(const LocalTime& time, int64_t milliseconds);

// 1 Sunday to 7 Saturday, for a date of the Gregorian calendar.
uint16_t DayOfWeek(int year, int month, int day);
// The week of the year by ISO 8601 (weeks from Monday; week 1 holds the year's first Thursday),
// 1 to 53; the last days of December may be in week 1 of the next year, the first of January in
// the last week of the year before.
int IsoWeek(int year, int month, int day);
// 0 Monday to 6 Sunday, for a date of the Gregorian calendar: the order of the days' boxes.
int WeekdayFromMonday(int year, int month, int day);
// "HH:MM" (or "H:MM"), spaces around it ignored, as minutes after midnight; nullopt unless it is
// a time of day.
std::optional<int> ParseTimeOfDay(std::string_view text);
// The days in `month` (1 to 12) of `year`.
int DaysInMonth(int year, int month);
// The date `months` months on (or back), its day held to that month's last: 31 January and a
// month is 28 or 29 February. The time of day stays; the day of the week is the new date's.
LocalTime AddMonths(const LocalTime& date, int months);

// "YYYY-MM-DDTHH:MM:SS" with an optional ".mmm"; nullopt unless it names a real instant.
std::optional<LocalTime> ParseLocalTime(std::string_view text);

// A universal time, milliseconds since 1970, as "YYYY-MM-DDTHH:MM:SSZ", or to the millisecond
// "YYYY-MM-DDTHH:MM:SS.mmmZ"; and back (either form), nullopt unless it names a real instant.
std::string UniversalTimeText(int64_t milliseconds, bool withMilliseconds = false);
std::optional<int64_t> ParseUniversalTime(std::string_view text);

class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual LocalTime Now() = 0;
    // Minutes to add to local time to get universal time (UTC = local + bias), taken with the
    // daylight bias only while the zone observes daylight time.
    virtual int32_t UtcBiasMinutes() = 0;
    // The computer's time or its zones changed: whatever the source worked out from them is
    // worked out again at the next reading.
    virtual void Refresh() {}
};

// The moment a tick draws, sampled by the shell once per tick and passed to everything it
// composes: the clock's reading, the second reading the hands turn by (taken straight after, as
// a hand moving smoothly is drawn last), and the zone's bias (UTC = local + bias). Nothing
// portable reads a clock.
struct ClockInstant {
    LocalTime time;
    LocalTime handsTime;
    int32_t utcBias = 0;
    friend bool operator==(const ClockInstant&, const ClockInstant&) = default;
};
// Universal time at the instant, in milliseconds since 1970.
inline int64_t UniversalMilliseconds(const ClockInstant& now) {
    return MillisecondsSince1970(now.time) + int64_t{now.utcBias} * 60'000;
}

// One instant, for hands and all: a frame drawn for a given moment.
constexpr ClockInstant InstantAt(LocalTime time, int32_t utcBias) { return {time, time, utcBias}; }

// The same instant and bias on every reading, until they are set again: a frame for an instant
// other than now.
struct FixedTime : TimeSource {
    FixedTime(LocalTime at, int32_t utcBias) : time(at), bias(utcBias) {}
    LocalTime Now() override { return time; }
    int32_t UtcBiasMinutes() override { return bias; }
    ClockInstant Instant() const { return InstantAt(time, bias); }

    LocalTime time;
    int32_t bias;
};

}  // namespace marvix
