#include "digital/display_texts.h"

#include <algorithm>
#include <cstdio>

#include "digital/internet_time.h"

namespace marvix {

namespace {

using S = ClockSettings;

constexpr std::array<std::string S::*, 14> kDayNames = {
    &S::DayNames1,  &S::DayNames2,  &S::DayNames3,  &S::DayNames4,  &S::DayNames5,
    &S::DayNames6,  &S::DayNames7,  &S::DayNames8,  &S::DayNames9,  &S::DayNames10,
    &S::DayNames11, &S::DayNames12, &S::DayNames13, &S::DayNames14,
};
constexpr std::array<std::string S::*, 24> kMonthNames = {
    &S::MonthNames1,  &S::MonthNames2,  &S::MonthNames3,  &S::MonthNames4,  &S::MonthNames5,
    &S::MonthNames6,  &S::MonthNames7,  &S::MonthNames8,  &S::MonthNames9,  &S::MonthNames10,
    &S::MonthNames11, &S::MonthNames12, &S::MonthNames13, &S::MonthNames14, &S::MonthNames15,
    &S::MonthNames16, &S::MonthNames17, &S::MonthNames18, &S::MonthNames19, &S::MonthNames20,
    &S::MonthNames21, &S::MonthNames22, &S::MonthNames23, &S::MonthNames24,
};

// One space before a single digit.
std::string TwoWide(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", value);
    return text;
}

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The name at `index` of the active set (7 day names or 12 month names, long or short), padded
// with spaces to the longest name of that set, then put in the letter case setting (1 lower,
// 3 upper, anything else as spelled; ASCII letters only).
template <size_t N>
std::string NameFromSet(const ClockSettings& s, const std::array<std::string S::*, N>& names,
                        size_t setSize, bool longSet, size_t index, int letterCase) {
    const size_t first = longSet ? 0 : setSize;
    size_t longest = 0;
    for (size_t i = first; i < first + setSize; ++i)
        longest = std::max(longest, (s.*names[i]).size());
    std::string text = s.*names[first + index];
    text.resize(std::max(text.size(), longest), ' ');
    for (char& c : text) {
        if (letterCase == 1 && c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (letterCase == 3 && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

const std::string& LongDayName(const ClockSettings& s, int dayOfWeek) {
    return s.*kDayNames[size_t(std::clamp(dayOfWeek, 1, 7) - 1)];
}

const std::string& ShortDayName(const ClockSettings& s, int dayOfWeek) {
    return s.*kDayNames[size_t(std::clamp(dayOfWeek, 1, 7) - 1 + 7)];
}

const std::string& LongMonthName(const ClockSettings& s, int month) {
    return s.*kMonthNames[size_t(std::clamp(month, 1, 12) - 1)];
}

namespace {

std::string Beats(const LocalTime& time, int32_t utcBias) {
    return BeatsText(InternetBeats(time, utcBias));
}

}  // namespace

std::string DisplayText(Display display, const ClockSettings& s, bool colonsShown,
                        const LocalTime& t, int32_t utcBias) {
    switch (display) {
        case Display::Day:
            return NameFromSet(s, kDayNames, 7, s.LongDayName, t.dayOfWeek - 1u, s.DayCaseInt);
        case Display::Date: return TwoWide(t.day) + " ";
        case Display::Month:
            return NameFromSet(s, kMonthNames, 12, s.LongMonthName, t.month - 1u, s.MonthCaseInt);
        case Display::Year: {
            std::string year = std::to_string(t.year);
            if (!s.LongYearName) year = year.size() > 2 ? year.substr(2, 2) : std::string();
            return year + " ";
        }
        case Display::Hour: {
            int hour = t.hour;
            if (!s.DHMilitary) hour = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
            return TwoWide(hour);
        }
        case Display::Minute: return TwoDigits(t.minute);
        case Display::Second: return TwoDigits(t.second);
        case Display::Colon1: return s.C1Blink && !colonsShown ? " " : ":";
        case Display::Colon2: return s.C2Blink && !colonsShown ? " " : ":";
        case Display::AmPm: return t.hour >= 12 ? "." : " ";
        case Display::Inter1: {
            const std::string beats = Beats(t, utcBias);
            std::string whole = beats.substr(0, beats.find('.'));
            if (whole.size() < 3) whole.insert(0, 3 - whole.size(), ' ');
            return whole;
        }
        case Display::Inter2: {
            const std::string beats = Beats(t, utcBias);
            return beats.substr(beats.find('.') + 1, 3);
        }
    }
    return {};
}

}  // namespace marvix
