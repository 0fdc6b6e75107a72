#pragma once

// When the clock makes a sound: the five daily alarms, the hour chime (struck once per hour of the
// dial with ChimeNum), the quarter, half and three-quarter chimes, and the tick and tock paced by
// the one-second step. The rules only fill in sound requests; a player plays them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/local_time.h"
#include "settings/clock_settings.h"
#include "sound/alarm_bell.h"

namespace marvix {

struct SoundRequest {
    std::string file;
    int32_t repeat = 1;
    bool wait = true;  // play to the end (alarms, chimes), or start without interrupting (ticks)
    friend bool operator==(const SoundRequest&, const SoundRequest&) = default;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Returns at once; the sound plays elsewhere.
    virtual void Play(const SoundRequest& request) = 0;
    // An alarm that rings until answered: the file again each time it ends, or the built-in alarm
    // sound where the file is empty or cannot be played, until Silence (ten minutes at most).
    // Returns at once; a ring already going stops first.
    virtual void Ring(const std::string& file) = 0;
    virtual void Silence() = 0;
};

// Where each of the five daily alarms keeps its settings, alarm 1 first: the clock's own, then
// the program's (ringing until answered, the days, the label).
struct AlarmFields {
    bool ClockSettings::*on;
    int32_t ClockSettings::*hour;  // 1 to 12 as the alarms window sets it; 0 is midnight
    int32_t ClockSettings::*minute;
    bool ClockSettings::*afternoon;
    std::string ClockSettings::*file;
    bool ClockSettings::*ringUntilAnswered;
    int32_t ClockSettings::*days;  // a bit a day, Monday (1) to Sunday (64)
    std::string ClockSettings::*label;
    int32_t ClockSettings::*wake;  // 1 wakes the computer, 0 not, -1 as ringUntilAnswered says
};
// clang-format off
inline constexpr std::array<AlarmFields, 5> kAlarms = {{
    {.on = &ClockSettings::Alarm1, .hour = &ClockSettings::A1H, .minute = &ClockSettings::A1M, .afternoon = &ClockSettings::A1PM, .file = &ClockSettings::A1Str, .ringUntilAnswered = &ClockSettings::Alarm1Ring, .days = &ClockSettings::Alarm1Days, .label = &ClockSettings::Alarm1Label, .wake = &ClockSettings::Wake1},
    {.on = &ClockSettings::Alarm2, .hour = &ClockSettings::A2H, .minute = &ClockSettings::A2M, .afternoon = &ClockSettings::A2PM, .file = &ClockSettings::A2Str, .ringUntilAnswered = &ClockSettings::Alarm2Ring, .days = &ClockSettings::Alarm2Days, .label = &ClockSettings::Alarm2Label, .wake = &ClockSettings::Wake2},
    {.on = &ClockSettings::Alarm3, .hour = &ClockSettings::A3H, .minute = &ClockSettings::A3M, .afternoon = &ClockSettings::A3PM, .file = &ClockSettings::A3Str, .ringUntilAnswered = &ClockSettings::Alarm3Ring, .days = &ClockSettings::Alarm3Days, .label = &ClockSettings::Alarm3Label, .wake = &ClockSettings::Wake3},
    {.on = &ClockSettings::Alarm4, .hour = &ClockSettings::A4H, .minute = &ClockSettings::A4M, .afternoon = &ClockSettings::A4PM, .file = &ClockSettings::A4Str, .ringUntilAnswered = &ClockSettings::Alarm4Ring, .days = &ClockSettings::Alarm4Days, .label = &ClockSettings::Alarm4Label, .wake = &ClockSettings::Wake4},
    {.on = &ClockSettings::Alarm5, .hour = &ClockSettings::A5H, .minute = &ClockSettings::A5M, .afternoon = &ClockSettings::A5PM, .file = &ClockSettings::A5Str, .ringUntilAnswered = &ClockSettings::Alarm5Ring, .days = &ClockSettings::Alarm5Days, .label = &ClockSettings::Alarm5Label, .wake = &ClockSettings::Wake5},
}};
// clang-format on

// The alarm's hour of the day, 0 to 23: 12 with pm is noon, 12 without is midnight.
int AlarmHourOfDay(const ClockSettings& settings, const AlarmFields& alarm);
// The alarm's minute on the date of `date`.
LocalTime AlarmMinuteOn(const ClockSettings& settings, const AlarmFields& alarm,
                        const LocalTime& date);
// Whether the alarm rings on the date of `time`: that day's box is ticked.
bool RingsOnDayOf(const ClockSettings& settings, const AlarmFields& alarm, const LocalTime& time);

// The next alarm to ring after the minute of `time`, as hour (0 to 23) and minute; none while
// every alarm is off. An alarm set for this very minute rings next tomorrow.
struct AlarmTime {
    int hour;
    int minute;
    friend bool operator==(const AlarmTime&, const AlarmTime&) = default;
};
std::optional<AlarmTime> NextAlarm(const ClockSettings& settings, const LocalTime& time);
// The first minute after `after` at which the alarm rings: its minute on that date or one of the
// seven after, on a ticked day; none while no day is ticked.
std::optional<LocalTime> NextRingOf(const ClockSettings& settings, const AlarmFields& alarm,
                                    const LocalTime& after);

// What the sound rules keep from tick to tick: which triggers have sounded in their minute, the
// tick/tock phase and the tick or tock the one-second step has made due. The clock's own state,
// never stored.
struct SoundLatches {
    std::array<bool, 5> alarmDone{};  // alarms 1 to 5
    bool hourChimeDone = false;
    bool halfChimeDone = false;
    bool quarterChimeDone = false;
    bool threeQuarterChimeDone = false;
    bool tickTockPhase = false;
    bool tickDue = false;  // set by the one-second step, cleared when sounded
    bool tockDue = false;
    // The alarm that rings until answered, and the reading of the tick before this one, by which
    // a tick finds a span it did not see; none after a pause (the clock hidden by a
    // double-click), whose alarms are not made up.
    AlarmBell bell;
    std::optional<LocalTime> lastTick;
    // The computer is going to sleep or has woken: the next span the clock did not see is a sleep,
    // and an alarm missed in it rings however long ago it fell due (within the day).
    bool sleeping = false;
};

// The trigger pass of every tick, first thing after the clock is read: alarms 1 to 5, the hour,
// half, quarter and three-quarter chimes, then a due tick or tock.
void RunSoundTriggers(const ClockSettings& settings, SoundLatches& latches, const LocalTime& time,
                      SoundPlayer& player);

// The one-second step: makes the next tick or tock due.
void OneSecondStep(const ClockSettings& settings, SoundLatches& latches);

// What the bell's step asks of the player, for the alarm it rings for.
void SoundTheBell(AlarmBell::Sound sound, const ClockSettings& settings, const AlarmBell& bell,
                  SoundPlayer& player);

// Forgets what has sounded this minute and the tick/tock phase, as after a configuration is
// loaded (a tick or tock already due stays due; a ringing alarm rings on).
void ClearSoundLatches(SoundLatches& latches);

}  // namespace marvix
