#pragma once

// The alarms/sounds dialog AlarmsWindow, "Marvix Alarms/sounds", as data: six sound rows, the hour
// chime's count, and one editor for the five alarms, bound to alarm 1 in the table and pointed at
// the alarm "Alarm #" shows.

#include <array>
#include <span>
#include <string>

#include "dialogs/dialog_table.h"

namespace marvix {

extern const std::span<const ControlRow> kAlarmsDialogRows;

// The alarm editor's controls: file, "Alarm On", "H", "M", "pm".
inline constexpr std::array<std::string_view, 5> kAlarmEditor = {
    "Edit12", "CheckBox18", "SpinEdit5", "SpinEdit6", "CheckBox19",
};

// The setting of alarm `alarm` (1 to 5) that an editor row bound to alarm 1's `setting` edits:
// "A1Str" for alarm 3 is "A3Str", "Alarm1" is "Alarm3".
std::string AlarmSetting(std::string_view setting, int alarm);

// What the "H" field shows of a stored hour: 0, the default, is midnight, which the field's 1 to
// 12 say as 12 (without "pm").
int32_t ShownAlarmHour(int32_t stored);

}  // namespace marvix
