#include "sound/sound_triggers.h"

#include <array>

namespace marvix {

namespace {

// The alarm's hour of the day: 12 with pm is noon, 12 without is midnight.
int TargetHour(int hour, bool afternoon) {
    if (afternoon) return hour < 12 ? hour + 12 : hour;
    return hour == 12 ? 0 : hour;
}

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

std::optional<AlarmTime> NextAlarm(const ClockSettings& s, const LocalTime& t) {
    constexpr int kMinutesADay = 24 * 60;
    const int now = t.hour * 60 + t.minute;
    std::optional<AlarmTime> next;
    int soonest = kMinutesADay + 1;
    for (const AlarmFields& alarm : kAlarms) {
        if (!(s.*alarm.on)) continue;
        const AlarmTime at{TargetHour(s.*alarm.hour, s.*alarm.afternoon), s.*alarm.minute};
        int away = (at.hour * 60 + at.minute - now + kMinutesADay) % kMinutesADay;
        if (away == 0) away = kMinutesADay;  // this minute's alarm has rung: next tomorrow
        if (away < soonest) {
            soonest = away;
            next = at;
        }
    }
    return next;
}

void RunSoundTriggers(const ClockSettings& s, SoundLatches& l, const LocalTime& t,
                      SoundPlayer& player) {
    // An alarm sounds once in its minute and, like a chime, is re-armed by any other minute it
    // sees while on. (Re-arming only in the minute right after it left an alarm silenced and
    // switched on again, or one moved to a later time, mute for the rest of the run.)
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!(s.*alarm.on)) continue;
        const int hour = TargetHour(s.*alarm.hour, s.*alarm.afternoon);
        if (t.hour != hour || t.minute != s.*alarm.minute) {
            l.alarmDone[i] = false;
        } else if (!l.alarmDone[i]) {
            player.Play({s.*alarm.file, 1, true});
            l.alarmDone[i] = true;
        }
    }

    const int dialHour = t.hour == 0 ? 12 : t.hour > 12 ? t.hour - 12 : t.hour;
    Chime(s.Chime1, t.minute, 0, l.hourChimeDone, s.C1Str, s.ChimeNum ? dialHour : 1, player);
    Chime(s.Chime2, t.minute, 30, l.halfChimeDone, s.C2Str, 1, player);
    Chime(s.Chime3, t.minute, 15, l.quarterChimeDone, s.C3Str, 1, player);
    Chime(s.Chime4, t.minute, 45, l.threeQuarterChimeDone, s.C4Str, 1, player);

    if (s.Tick && s.Tock) {
        if (l.tickTockPhase) {
            SoundIfDue(l.tickDue, s.TickStr, player);
        } else {
            SoundIfDue(l.tockDue, s.TockStr, player);
        }
    } else if (s.Tick) {
        SoundIfDue(l.tickDue, s.TickStr, player);
    } else if (s.Tock) {
        SoundIfDue(l.tockDue, s.TockStr, player);
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
