#include "frame/clock_reading.h"

#include <cstdio>

#include "digital/display_texts.h"
#include "sound/sound_triggers.h"

namespace marvix {

std::string HoursAndMinutes(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
    return text;
}

std::string TrayWords(const std::string& firstReading, const std::vector<PlaceReading>& others) {
    std::string words = firstReading;
    for (const PlaceReading& place : others) {
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d", place.time.hour % 24, place.time.minute % 60);
        words += '\n' + place.name + ' ' + time + ' ' +
                 LongDayName(place.spelling, place.time.dayOfWeek);
    }
    return words;
}

namespace {

std::string TimeAndDate(const ClockSettings& s, const LocalTime& t) {
    return HoursAndMinutes(t.hour, t.minute) + ", " + LongDayName(s, t.dayOfWeek) + " " +
           std::to_string(t.day) + " " + LongMonthName(s, t.month) + " " + std::to_string(t.year);
}

}  // namespace

std::string ReadingWithAlarmNews(const ClockSettings& s, const AlarmBell& bell, bool paused,
                                 const LocalTime& t) {
    const std::string news = AlarmNews(s, bell, paused);
    const auto next = NextAlarm(s, t);
    const AlarmFields& belled = kAlarms[bell.Alarm()];
    const bool named = !paused && bell.GetState() != AlarmBell::State::Quiet && next &&
                       *next == AlarmTime{AlarmHourOfDay(s, belled), s.*belled.minute};
    const std::string alarmAt =
        next && !named ? ", alarm at " + HoursAndMinutes(next->hour, next->minute) : "";
    return TimeAndDate(s, t) + alarmAt + news;
}

AlarmNotice NoticeOf(const ClockSettings& s, const AlarmBell& bell) {
    const AlarmFields& alarm = kAlarms[bell.Alarm()];
    const LocalTime& due = bell.Due();
    AlarmNotice notice{HoursAndMinutes(due.hour, due.minute), s.*alarm.label, {}};
    if (notice.label.empty()) notice.label = "Alarm " + std::to_string(bell.Alarm() + 1);
    if (bell.GetState() == AlarmBell::State::Unanswered) {
        notice.note = "Not answered: it rang for ten minutes.";
    } else if (bell.Late()) {
        notice.note = "Due at " + notice.time + " on " + LongDayName(s, due.dayOfWeek) +
                      ", while the clock could not ring.";
    }
    return notice;
}

std::string AlarmNews(const ClockSettings& s, const AlarmBell& bell, bool paused) {
    if (paused) return ", alarms paused";
    const AlarmBell::State state = bell.GetState();
    if (state == AlarmBell::State::Snoozed) {
        const LocalTime& until = bell.SnoozedUntil();
        const std::string& label = s.*kAlarms[bell.Alarm()].label;
        return ", alarm snoozed until " + HoursAndMinutes(until.hour, until.minute) +
               (label.empty() ? "" : ", " + label);
    }
    if (state != AlarmBell::State::Ringing && state != AlarmBell::State::Unanswered) return {};
    const AlarmNotice notice = NoticeOf(s, bell);
    return (state == AlarmBell::State::Ringing ? ", alarm ringing: " : ", alarm not answered: ") +
           notice.time + ", " + notice.label;
}

}  // namespace marvix
