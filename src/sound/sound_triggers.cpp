#include "sound/sound_triggers.h"

#include <array>

namespace marvix {

namespace {

using S = ClockSettings;

struct AlarmFields {
    bool S::*on;
    int32_t S::*hour;
    int32_t S::*minute;
    bool S::*afternoon;
    std::string S::*file;
};
constexpr std::array<AlarmFields, 5> kAlarms = {{
    {&S::Alarm1, &S::A1H, &S::A1M, &S::A1PM, &S::A1Str},
    {&S::Alarm2, &S::A2H, &S::A2M, &S::A2PM, &S::A2Str},
    {&S::Alarm3, &S::A3H, &S::A3M, &S::A3PM, &S::A3Str},
    {&S::Alarm4, &S::A4H, &S::A4M, &S::A4PM, &S::A4Str},
    {&S::Alarm5, &S::A5H, &S::A5M, &S::A5PM, &S::A5Str},
}};

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

void RunSoundTriggers(ClockSettings& s, const LocalTime& t, SoundPlayer& player) {
    // An alarm sounds once in its minute and, like a chime, is re-armed by any other minute it
    // sees while on. (Re-arming only in the minute right after it left an alarm silenced and
    // switched on again, or one moved to a later time, mute for the rest of the run.)
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!(s.*alarm.on)) continue;
        const int hour = TargetHour(s.*alarm.hour, s.*alarm.afternoon);
        if (t.hour != hour || t.minute != s.*alarm.minute) {
            s.AlarmDone[i] = false;
        } else if (!s.AlarmDone[i]) {
            player.Play({s.*alarm.file, 1, true});
            s.AlarmDone[i] = true;
        }
    }

    const int dialHour = t.hour == 0 ? 12 : t.hour > 12 ? t.hour - 12 : t.hour;
    Chime(s.Chime1, t.minute, 0, s.HourChimeDone, s.C1Str, s.ChimeNum ? dialHour : 1, player);
    Chime(s.Chime2, t.minute, 30, s.HalfChimeDone, s.C2Str, 1, player);
    Chime(s.Chime3, t.minute, 15, s.QuarterChimeDone, s.C3Str, 1, player);
    Chime(s.Chime4, t.minute, 45, s.ThreeQuarterChimeDone, s.C4Str, 1, player);

    if (s.Tick && s.Tock) {
        if (s.TickTockPhase) {
            SoundIfDue(s.TickDue, s.TickStr, player);
        } else {
            SoundIfDue(s.TockDue, s.TockStr, player);
        }
    } else if (s.Tick) {
        SoundIfDue(s.TickDue, s.TickStr, player);
    } else if (s.Tock) {
        SoundIfDue(s.TockDue, s.TockStr, player);
    }
}

void OneSecondStep(ClockSettings& s) {
    if (s.Tick && s.Tock) {
        if (s.TickTockPhase) {
            s.TickTockPhase = false;
            s.TickDue = true;
        } else {
            s.TickTockPhase = true;
            s.TockDue = true;
        }
    } else if (s.Tick) {
        // A tick still due from the last second is skipped, never doubled.
        s.TickDue = !s.TickDue;
    } else if (s.Tock) {
        s.TockDue = !s.TockDue;
    }
}

}  // namespace marvix
