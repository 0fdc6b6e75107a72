#pragma once

// The alarms/sounds dialog AlarmsWindow, "Marvix Alarms/sounds", as data: six sound rows, the hour
// chime's count, one editor for the five alarms, bound to alarm 1 in the table and pointed at
// the alarm "Alarm #" shows, whether the alarms wake the computer, and the quiet hours.

#include <array>
#include <optional>
#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

// The controls the window or a test reaches; a sound row's by the row (0 ticking, 1 tocking, 2 the
// hour chime, 3 to 5 the quarter, half and three-quarter chimes).
enum class AlarmsControl : uint16_t {
    SoundOn = 1,
    SoundFile,
    SoundTest,
    SoundBrowse,
    ChimeCount,
    AlarmNumber,
    AlarmFile,
    AlarmTest,
    AlarmBrowse,
    AlarmOn,
    AlarmHour,
    AlarmMinute,
    AlarmPm,
    AlarmRing,  // "Ring until stopped"
    AlarmDay,   // by the day, 0 Monday to 6 Sunday
    AlarmLabel,
    AlarmWake,     // "Wake the computer": the dialog shows and stores it (-1 follows ringing)
    KeepAwake,     // the system kept awake from the evening before an alarm that wakes it
    WakeSentence,  // why this computer cannot wake itself, when it cannot
    QuietFrom,
    QuietTo,
    QuietDay,  // by the day, as AlarmDay
};

extern const std::span<const ControlRow> kAlarmsDialogRows;

// The setting of alarm `alarm` (1 to 5) that an editor control edits (its file, "Alarm On", "H",
// "M", "pm", "Ring until stopped", a day's box, the label); none for any other control.
std::optional<Setting> AlarmSetting(AlarmsControl control, int alarm);

// What the "H" field shows of a stored hour: 0, the default, is midnight, which the field's 1 to
// 12 say as 12 (without "pm"); an hour beyond 12 (a registry may hold one) is shown held to 12.
int32_t ShownAlarmHour(int32_t stored);

// What an hour typed into "H" sets: 1 to 12 the hour, pm as it is; 13 to 23 the hour less twelve,
// with pm; 0 midnight (shown as 12), without pm. The field takes a 24-hour time as well.
struct AlarmHourEntry {
    int32_t hour;
    std::optional<bool> afternoon = {};  // unchanged when empty
    friend bool operator==(const AlarmHourEntry&, const AlarmHourEntry&) = default;
};
AlarmHourEntry AlarmHourTyped(int32_t typed);

}  // namespace marvix
