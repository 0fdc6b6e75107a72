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
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!wakes[i] || !(s.*alarm.on)) continue;
        if (bell.GetState() == AlarmBell::State::Snoozed && bell.Alarm() == i)
            consider(bell.SnoozedUntil());
        if (const std::optional<LocalTime> ring = NextRingOf(s, alarm, now)) consider(*ring);
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
