#include "sound/alarm_wake.h"

#include <algorithm>

#include "sound/sound_triggers.h"

namespace marvix {

std::array<bool, 5> AlarmsThatWake(const ClockSettings& s) {
    std::array<bool, 5> wakes{};
    for (size_t i = 0; i < wakes.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        wakes[i] = s.*alarm.wake == 1 || (s.*alarm.wake == -1 && s.*alarm.ringUntilAnswered);
    }
    return wakes;
}

std::optional<int64_t> NextWakingAlarm(const ClockSettings& s, const std::array<bool, 5>& wakes,
                                       const AlarmBell& bell, const LocalTime& now,
                                       const UniversalOfLocal& universalOf) {
    std::optional<int64_t> soonest;
    const auto consider = [&](const LocalTime& local) {
        const int64_t at = universalOf(local);
        soonest = std::min(soonest.value_or(at), at);
    };
    const int64_t nowMs = MillisecondsSince1970(now);
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!wakes[i] || !(s.*alarm.on)) continue;
        if (bell.GetState() == AlarmBell::State::Snoozed && bell.Alarm() == i)
            consider(bell.SnoozedUntil());
        // Today, or the first ticked day of the week to come.
        for (int day = 0; day <= 7; ++day) {
            const LocalTime date = AddMilliseconds(now, int64_t{day} * kMillisecondsPerDay);
            const LocalTime minute = AlarmMinuteOn(s, alarm, date);
            if (MillisecondsSince1970(minute) <= nowMs || !RingsOnDayOf(s, alarm, minute)) continue;
            consider(minute);
            break;
        }
    }
    return soonest;
}

uint32_t AlarmDaysOfMonth(const ClockSettings& s, int year, int month) {
    uint32_t days = 0;
    for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        const LocalTime date{uint16_t(year), uint16_t(month), uint16_t(day),
                             DayOfWeek(year, month, day)};
        for (const AlarmFields& alarm : kAlarms)
            if (s.*alarm.on && RingsOnDayOf(s, alarm, date)) days |= 1u << (day - 1);
    }
    return days;
}

}  // namespace marvix
