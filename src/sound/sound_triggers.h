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
};

// Where each of the five daily alarms keeps its settings, alarm 1 first.
struct AlarmFields {
    bool ClockSettings::*on;
    int32_t ClockSettings::*hour;  // 1 to 12 as the alarms window sets it; 0 is midnight
    int32_t ClockSettings::*minute;
    bool ClockSettings::*afternoon;
    std::string ClockSettings::*file;
};
// clang-format off
inline constexpr std::array<AlarmFields, 5> kAlarms = {{
    {.on = &ClockSettings::Alarm1, .hour = &ClockSettings::A1H, .minute = &ClockSettings::A1M, .afternoon = &ClockSettings::A1PM, .file = &ClockSettings::A1Str},
    {.on = &ClockSettings::Alarm2, .hour = &ClockSettings::A2H, .minute = &ClockSettings::A2M, .afternoon = &ClockSettings::A2PM, .file = &ClockSettings::A2Str},
    {.on = &ClockSettings::Alarm3, .hour = &ClockSettings::A3H, .minute = &ClockSettings::A3M, .afternoon = &ClockSettings::A3PM, .file = &ClockSettings::A3Str},
    {.on = &ClockSettings::Alarm4, .hour = &ClockSettings::A4H, .minute = &ClockSettings::A4M, .afternoon = &ClockSettings::A4PM, .file = &ClockSettings::A4Str},
    {.on = &ClockSettings::Alarm5, .hour = &ClockSettings::A5H, .minute = &ClockSettings::A5M, .afternoon = &ClockSettings::A5PM, .file = &ClockSettings::A5Str},
}};
// clang-format on

// The next alarm to ring after the minute of `time`, as hour (0 to 23) and minute; none while
// every alarm is off. An alarm set for this very minute rings next tomorrow.
struct AlarmTime {
    int hour;
    int minute;
    friend bool operator==(const AlarmTime&, const AlarmTime&) = default;
};
std::optional<AlarmTime> NextAlarm(const ClockSettings& settings, const LocalTime& time);

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
};

// The trigger pass of every tick, first thing after the clock is read: alarms 1 to 5, the hour,
// half, quarter and three-quarter chimes, then a due tick or tock.
void RunSoundTriggers(const ClockSettings& settings, SoundLatches& latches, const LocalTime& time,
                      SoundPlayer& player);

// The one-second step: makes the next tick or tock due.
void OneSecondStep(const ClockSettings& settings, SoundLatches& latches);

// Forgets what has sounded this minute and the tick/tock phase, as after a configuration is
// loaded (a tick or tock already due stays due).
void ClearSoundLatches(SoundLatches& latches);

}  // namespace marvix
