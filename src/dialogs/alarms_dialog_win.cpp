#include "dialogs/alarms_dialog_win.h"

#include "dialogs/alarms_dialog.h"
#include "sound/sound_triggers.h"

namespace marvix {

AlarmsWindow::AlarmsWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kAlarmsDialogRows) {}

const SettingDef* AlarmsWindow::Bound(const ControlRow& row) const {
    const std::optional<Setting> setting =
        AlarmSetting(static_cast<AlarmsControl>(row.id.role), alarm_);
    return setting ? &DefOf(*setting) : TableDialog::Bound(row);
}

int32_t AlarmsWindow::Shown(const ControlRow& row, int32_t stored) const {
    return row.effect == Effect::AlarmHour ? ShownAlarmHour(stored) : stored;
}

// Every activation starts the editor at alarm 1. (Coming back from "Browse" is no activation, so
// a file picked for alarm 3 goes to alarm 3.)
void AlarmsWindow::BeforeFill() {
    alarm_ = 1;
    SetFieldValue(IdOf(AlarmsControl::AlarmNumber), alarm_);
}

void AlarmsWindow::Changed(const ControlRow& row) {
    if (row.effect == Effect::ChooseAlarm) ShowChosenAlarm();
    if (row.effect == Effect::AlarmHour) TakeHourOfTheDay();
}

// "19" is 7 with pm: the hour as "H" shows it, and "pm" ticked to go with it. The field shows
// the new hour once the user leaves it.
void AlarmsWindow::TakeHourOfTheDay() {
    const AlarmFields& alarm = kAlarms[size_t(alarm_ - 1)];
    ClockSettings& s = ChangeSettings();
    const AlarmHourEntry entry = AlarmHourTyped(s.*alarm.hour);
    s.*alarm.hour = entry.hour;
    if (!entry.afternoon) return;
    s.*alarm.afternoon = *entry.afternoon;
    ShowControl(IdOf(AlarmsControl::AlarmPm));
}

void AlarmsWindow::ShowChosenAlarm() {
    alarm_ = HeldValue(IdOf(AlarmsControl::AlarmNumber));
    for (const ControlRow& row : Rows()) {
        if (AlarmSetting(static_cast<AlarmsControl>(row.id.role), alarm_)) ShowControl(row.id);
    }
}

// "test": the row's file once, played to its end on a worker thread, whatever the sound is
// otherwise (a tick plays without waiting, the hour chime as often as the hour).
void AlarmsWindow::Pressed(const ControlRow& row) {
    if (row.effect != Effect::PlaySound) return;
    const SettingDef* file = Bound(Row(row.field));
    if (!file) return;
    host_.Parts().sounds.Play(
        {Settings().*std::get<std::string ClockSettings::*>(file->field), 1, true});
}

}  // namespace marvix
