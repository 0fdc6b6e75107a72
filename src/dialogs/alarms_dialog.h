#pragma once

// The alarms/sounds dialog AlarmsWindow, "Marvix Alarms/sounds", as data: six sound rows, the hour
// chime's count, and one editor for the five alarms, bound to alarm 1 in the table and pointed at
// the alarm "Alarm #" shows.

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
};

extern const std::span<const ControlRow> kAlarmsDialogRows;

// The setting of alarm `alarm` (1 to 5) that an editor control edits (its file, "Alarm On", "H",
// "M", "pm"); none for any other control.
std::optional<Setting> AlarmSetting(AlarmsControl control, int alarm);

// What the "H" field shows of a stored hour: 0, the default, is midnight, which the field's 1 to
// 12 say as 12 (without "pm").
int32_t ShownAlarmHour(int32_t stored);

}  // namespace marvix
