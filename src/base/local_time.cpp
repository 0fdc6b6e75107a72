#include "base/local_time.h"

#include <algorithm>
#include <cstdio>

#include "base/ascii.h"

namespace marvix {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

LocalTime AddMonths(const LocalTime& date, int months) {
    const int index = date.year * 12 + (date.month - 1) + months;
    LocalTime moved = date;
    moved.year = uint16_t(index / 12);
    moved.month = uint16_t(index % 12 + 1);
    moved.day = uint16_t(std::min<int>(date.day, DaysInMonth(moved.year, moved.month)));
    moved.dayOfWeek = DayOfWeek(moved.year, moved.month, moved.day);
    return moved;
}

namespace {

// Reads exactly `digits` decimal digits at `at`.
std::optional<int> Digits(std::string_view text, size_t at, size_t digits) {
    if (at + digits > text.size()) return std::nullopt;
    int value = 0;
    for (size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return int64_t{era} * 146097 + dayOfEra - 719468;
}

int64_t MillisecondsSince1970(const LocalTime& t) {
    const int64_t days = DaysFromCivil(t.year, t.month, t.day);
    return ((days * 24 + t.hour) * 60 + t.minute) * 60'000 + t.second * int64_t{1000} +
           t.millisecond;
}

LocalTime AddMilliseconds(const LocalTime& t, int64_t milliseconds) {
    const int64_t sinceMidnight =
        ((t.hour * 60 + t.minute) * 60 + t.second) * int64_t{1000} + t.millisecond + milliseconds;
    // Floor division, so that a time before midnight lands on the day before.
    const int64_t dayShift =
        sinceMidnight >= 0 ? sinceMidnight / kMillisecondsPerDay
                           : -((kMillisecondsPerDay - 1 - sinceMidnight) / kMillisecondsPerDay);
    const int64_t inDay = sinceMidnight - dayShift * kMillisecondsPerDay;

    // The date of a day count, the inverse of DaysFromCivil.
    const int64_t days = DaysFromCivil(t.year, t.month, t.day) + dayShift + 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = int(yearOfEra + era * 400 + (month <= 2));

    LocalTime later;
    later.year = uint16_t(year);
    later.month = uint16_t(month);
    later.day = uint16_t(day);
    later.dayOfWeek = DayOfWeek(year, month, day);
    later.hour = uint16_t(inDay / 3'600'000);
    later.minute = uint16_t(inDay / 60'000 % 60);
    later.second = uint16_t(inDay / 1000 % 60);
    later.millisecond = uint16_t(inDay % 1000);
    return later;
}

uint16_t DayOfWeek(int year, int month, int day) {
    // 1 January 1970 was a Thursday.
    const int64_t days = DaysFromCivil(year, month, day);
    const int64_t weekday = ((days % 7) + 7 + 4) % 7;  // 0 Sunday
    return static_cast<uint16_t>(weekday + 1);
}

int WeekdayFromMonday(int year, int month, int day) {
    return (DayOfWeek(year, month, day) + 5) % 7;
}

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

int IsoWeek(int year, int month, int day) {
    const auto weeksIn = [](int y) {
        // 53 when the year starts on a Thursday, or a leap year on a Wednesday.
        const int first = DayOfWeek(y, 1, 1);  // 1 Sunday
        return first == 5 || (IsLeapYear(y) && first == 4) ? 53 : 52;
    };
    const int weekday = WeekdayFromMonday(year, month, day) + 1;  // 1 Monday to 7 Sunday
    const int ordinal = int(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1)) + 1;
    const int week = (ordinal - weekday + 10) / 7;
    if (week < 1) return weeksIn(year - 1);
    if (week > weeksIn(year)) return 1;
    return week;
}

std::optional<LocalTime> ParseLocalTime(std::string_view text) {
    if (text.size() != 19 && text.size() != 23) return std::nullopt;
    if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2),
               second = Digits(text, 17, 2);
    std::optional<int> millisecond = 0;
    if (text.size() == 23) millisecond = text[19] == '.' ? Digits(text, 20, 3) : std::nullopt;
    if (!year || !month || !day || !hour || !minute || !second || !millisecond) return std::nullopt;
    if (*year < 1601 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month) || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return LocalTime{
        uint16_t(*year), uint16_t(*month),  uint16_t(*day),    DayOfWeek(*year, *month, *day),
        uint16_t(*hour), uint16_t(*minute), uint16_t(*second), uint16_t(*millisecond)};
}

std::string UniversalTimeText(int64_t milliseconds, bool withMilliseconds) {
    const LocalTime t = AddMilliseconds(LocalTime{1970, 1, 1, 5}, milliseconds);
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", unsigned(t.year),
                  unsigned(t.month), unsigned(t.day), unsigned(t.hour), unsigned(t.minute),
                  unsigned(t.second));
    std::string result = text;
    if (withMilliseconds) {
        std::snprintf(text, sizeof text, ".%03u", unsigned(t.millisecond));
        result += text;
    }
    return result + "Z";
}

std::optional<int64_t> ParseUniversalTime(std::string_view text) {
    if (text.empty() || text.back() != 'Z') return std::nullopt;
    const std::optional<LocalTime> time = ParseLocalTime(text.substr(0, text.size() - 1));
    if (!time) return std::nullopt;
    return MillisecondsSince1970(*time);
}

}  // namespace marvix
