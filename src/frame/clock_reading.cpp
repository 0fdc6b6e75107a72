#include "frame/clock_reading.h"

#include <algorithm>
#include <cstdio>

#include "digital/display_texts.h"
#include "sound/sound_triggers.h"

namespace marvix {

std::string HoursAndMinutes(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
    return text;
}

namespace {

enum class DayShown { Long, Short, None };

std::string TipWith(const std::string& firstReading, const std::vector<PlaceReading>& others,
                    DayShown day, size_t labelLetters, bool help) {
    std::string words = firstReading;
    for (const PlaceReading& place : others) {
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d", place.time.hour % 24, place.time.minute % 60);
        std::string name = place.name.substr(0, labelLetters);
        while (name.ends_with(' ')) name.pop_back();
        words += '\n' + name + ' ' + time;
        if (day == DayShown::Long) words += ' ' + LongDayName(place.spelling, place.time.dayOfWeek);
        if (day == DayShown::Short)
            words += ' ' + ShortDayName(place.spelling, place.time.dayOfWeek);
    }
    if (help) words += '\n' + std::string(kTrayMouseHelp);
    return words;
}

}  // namespace

std::string TrayTip(const std::string& firstReading, const std::vector<PlaceReading>& others,
                    size_t room) {
    size_t longest = 0;
    for (const PlaceReading& place : others) longest = std::max(longest, place.name.size());
    std::string tip = TipWith(firstReading, others, DayShown::Long, longest, true);
    for (const DayShown day : {DayShown::Long, DayShown::Short, DayShown::None}) {
        if (tip.size() <= room) return tip;
        tip = TipWith(firstReading, others, day, longest, false);
    }
    for (size_t letters = longest; tip.size() > room && letters > 1; --letters)
        tip = TipWith(firstReading, others, DayShown::None, letters - 1, false);
    if (tip.size() <= room) return tip;
    // Too many clocks for any shortening: the tip ends where a word ends.
    const size_t cut = tip.find_last_of(" \n", room);
    tip.resize(cut == std::string::npos ? room : cut);
    while (!tip.empty() && (tip.back() == ',' || tip.back() == ' ')) tip.pop_back();
    return tip;
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
