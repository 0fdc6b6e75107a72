#include "sound/sound_triggers.h"

#include <array>

#include "sound/quiet_hours.h"

namespace marvix {

namespace {

class Unheard final : public SoundPlayer {
public:
    void Play(const SoundRequest&) override {}
    void Ring(const std::string&) override {}
    void Silence() override {}
};

// A chime sounds once in its minute and is re-armed by any other minute.
void Chime(bool on, int minute, int chimeMinute, bool& done, const std::string& file, int repeat,
           SoundPlayer& player) {
    if (!on) return;
    if (minute != chimeMinute) {
        done = false;
    } else if (!done) {
        player.Play({file, repeat, true});
        done = true;
    }
}

void SoundIfDue(bool& due, const std::string& file, SoundPlayer& player) {
    if (!due) return;
    player.Play({file, 1, false});
    due = false;
}

}  // namespace

int AlarmHourOfDay(const ClockSettings& s, const AlarmFields& alarm) {
    const int hour = s.*alarm.hour;
    if (s.*alarm.afternoon) return hour < 12 ? hour + 12 : hour;
    return hour == 12 ? 0 : hour;
}

LocalTime AlarmMinuteOn(const ClockSettings& s, const AlarmFields& alarm, const LocalTime& date) {
    LocalTime minute = MinuteOf(date);
    minute.hour = uint16_t(AlarmHourOfDay(s, alarm));
    minute.minute = uint16_t(s.*alarm.minute);
    return minute;
}

bool RingsOnDayOf(const ClockSettings& s, const AlarmFields& alarm, const LocalTime& time) {
    return (s.*alarm.days >> WeekdayFromMonday(time.year, time.month, time.day)) & 1;
}

void SoundTheBell(AlarmBell::Sound sound, const ClockSettings& s, const AlarmBell& bell,
                  SoundPlayer& player) {
    if (sound == AlarmBell::Sound::Start) player.Ring(s.*kAlarms[bell.Alarm()].file);
    if (sound == AlarmBell::Sound::Stop) player.Silence();
}

std::optional<LocalTime> NextRingOf(const ClockSettings& s, const AlarmFields& alarm,
                                    const LocalTime& after) {
    const int64_t afterMs = MillisecondsSince1970(after);
    for (int day = 0; day <= 7; ++day) {
        const LocalTime date = AddMilliseconds(after, int64_t{day} * kMillisecondsPerDay);
        const LocalTime minute = AlarmMinuteOn(s, alarm, date);
        if (MillisecondsSince1970(minute) > afterMs && RingsOnDayOf(s, alarm, minute))
            return minute;
    }
    return std::nullopt;
}

// This minute's alarm has rung: it is next on its next day.
std::optional<AlarmTime> NextAlarm(const ClockSettings& s, const LocalTime& t) {
    std::optional<LocalTime> next;
    for (const AlarmFields& alarm : kAlarms) {
        if (!(s.*alarm.on)) continue;
        const std::optional<LocalTime> ring = NextRingOf(s, alarm, MinuteOf(t));
        if (ring && (!next || MillisecondsSince1970(*ring) < MillisecondsSince1970(*next)))
            next = ring;
    }
    if (!next) return std::nullopt;
    return AlarmTime{next->hour, next->minute};
}

void RunSoundTriggers(const ClockSettings& s, SoundLatches& l, const LocalTime& t,
                      SoundPlayer& player) {
    // An alarm that rings until answered whose minute the clock did not see (it slept, or was
    // set forward) rings now, once, and says it is late: within the hour, or after a sleep
    // however long the sleep was, within the day.
    if (l.lastTick) {
        const int64_t within = l.sleeping ? kMillisecondsPerDay : AlarmBell::kMissedWithinMs;
        if (const std::optional<MissedAlarm> missed = MissedAlarmBetween(s, *l.lastTick, t, within))
            SoundTheBell(l.bell.Ring(missed->alarm, missed->due, t, true), s, l.bell, player);
        if (MillisecondsSince1970(t) - MillisecondsSince1970(*l.lastTick) >
            AlarmBell::kMissedMinuteMs)
            l.sleeping = false;
    }
    l.lastTick = t;

    // An alarm sounds once in its minute, on its days, and, like a chime, is re-armed by any other
    // minute it sees while on. (Re-arming only in the minute right after it left an alarm
    // silenced and switched on again, or one moved to a later time, mute for the rest of the
    // run.) One that rings until answered rings the bell instead of playing its file once.
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!(s.*alarm.on)) continue;
        if (t.hour != AlarmHourOfDay(s, alarm) || t.minute != s.*alarm.minute ||
            !RingsOnDayOf(s, alarm, t)) {
            l.alarmDone[i] = false;
        } else if (!l.alarmDone[i]) {
            if (s.*alarm.ringUntilAnswered) {
                SoundTheBell(l.bell.Ring(i, MinuteOf(t), t, false), s, l.bell, player);
            } else {
                player.Play({s.*alarm.file, 1, true});
            }
            l.alarmDone[i] = true;
        }
    }
    SoundTheBell(l.bell.Step(s, t), s, l.bell, player);

    // In the quiet hours chimes, ticks and tocks go by unheard: their latches move on as if they
    // had sounded, so that none sounds late when the quiet ends.
    Unheard unheard;
    SoundPlayer& heard = IsQuiet(QuietHoursOf(s), t) ? unheard : player;
    const int dialHour = t.hour == 0 ? 12 : t.hour > 12 ? t.hour - 12 : t.hour;
    Chime(s.Chime1, t.minute, 0, l.hourChimeDone, s.C1Str, s.ChimeNum ? dialHour : 1, heard);
    Chime(s.Chime2, t.minute, 30, l.halfChimeDone, s.C2Str, 1, heard);
    Chime(s.Chime3, t.minute, 15, l.quarterChimeDone, s.C3Str, 1, heard);
    Chime(s.Chime4, t.minute, 45, l.threeQuarterChimeDone, s.C4Str, 1, heard);

    if (s.Tick && s.Tock) {
        if (l.tickTockPhase) {
            SoundIfDue(l.tickDue, s.TickStr, heard);
        } else {
            SoundIfDue(l.tockDue, s.TockStr, heard);
        }
    } else if (s.Tick) {
        SoundIfDue(l.tickDue, s.TickStr, heard);
    } else if (s.Tock) {
        SoundIfDue(l.tockDue, s.TockStr, heard);
    }
}

void OneSecondStep(const ClockSettings& s, SoundLatches& l) {
    if (s.Tick && s.Tock) {
        if (l.tickTockPhase) {
            l.tickTockPhase = false;
            l.tickDue = true;
        } else {
            l.tickTockPhase = true;
            l.tockDue = true;
        }
    } else if (s.Tick) {
        // A tick still due from the last second is skipped, never doubled.
        l.tickDue = !l.tickDue;
    } else if (s.Tock) {
        l.tockDue = !l.tockDue;
    }
}

void ClearSoundLatches(SoundLatches& l) {
    l.alarmDone = {};
    l.hourChimeDone = l.halfChimeDone = l.quarterChimeDone = l.threeQuarterChimeDone = false;
    l.tickTockPhase = false;
}

}  // namespace marvix
