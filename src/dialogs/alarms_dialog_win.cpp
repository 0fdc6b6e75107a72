#include "dialogs/alarms_dialog_win.h"

#include <algorithm>

#include "dialogs/alarms_dialog.h"

namespace marvix {

namespace {

bool IsAlarmEditor(const ControlRow& row) {
    return std::find(kAlarmEditor.begin(), kAlarmEditor.end(), row.name) != kAlarmEditor.end();
}

}  // namespace

AlarmsWindow::AlarmsWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kAlarmsDialogRows) {}

const SettingDef* AlarmsWindow::Bound(const ControlRow& row) const {
    if (!IsAlarmEditor(row)) return TableDialog::Bound(row);
    return FindSetting(AlarmSetting(row.setting, alarm_));
}

int32_t AlarmsWindow::Shown(const ControlRow& row, int32_t stored) const {
    return row.effect == Effect::AlarmHour ? ShownAlarmHour(stored) : stored;
}

// Every activation starts the editor at alarm 1. (Coming back from "Browse" is no activation, so
// a file picked for alarm 3 goes to alarm 3.)
void AlarmsWindow::BeforeFill() {
    alarm_ = 1;
    SetFieldValue("SpinEdit7", alarm_);
}

void AlarmsWindow::Changed(const ControlRow& row) {
    if (row.effect == Effect::ChooseAlarm) ShowChosenAlarm();
}

void AlarmsWindow::ShowChosenAlarm() {
    alarm_ = HeldValue("SpinEdit7");
    for (std::string_view control : kAlarmEditor) ShowControl(control);
}

// "test": the row's file once, played to its end on a worker thread, whatever the sound is
// otherwise (a tick plays without waiting, the hour chime as often as the hour).
void AlarmsWindow::Pressed(const ControlRow& row) {
    if (row.effect != Effect::PlaySound) return;
    const SettingDef* file = Bound(Row(row.field));
    if (!file) return;
    host_.Clock().Play({Settings().*std::get<std::string ClockSettings::*>(file->field), 1, true});
}

}  // namespace marvix
