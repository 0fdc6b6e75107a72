#include "dialogs/alarms_dialog_win.h"

#include "dialogs/alarms_dialog.h"
#include "sound/alarm_wake.h"
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

void AlarmsWindow::AfterFill() {
    ShowWake();
    ShowWakeSentence();
}

void AlarmsWindow::Changed(const ControlRow& row) {
    const auto role = static_cast<AlarmsControl>(row.id.role);
    if (row.effect == Effect::ChooseAlarm) ShowChosenAlarm();
    if (row.effect == Effect::AlarmHour) TakeHourOfTheDay();
    if (row.effect == Effect::WakeComputer) StoreWake();
    // A wake left at first follows "Ring until stopped".
    if (role == AlarmsControl::AlarmRing) ShowWake();
    if (AlarmSetting(role, alarm_) || row.effect == Effect::WakeComputer) {
        host_.AlarmsChanged();
        ShowWakeSentence();
    }
}

void AlarmsWindow::ShowWake() {
    SendMessageA(Control(IdOf(AlarmsControl::AlarmWake)), BM_SETCHECK,
                 AlarmsThatWake(Settings())[size_t(alarm_ - 1)] ? BST_CHECKED : BST_UNCHECKED, 0);
}

void AlarmsWindow::StoreWake() {
    const bool ticked =
        SendMessageA(Control(IdOf(AlarmsControl::AlarmWake)), BM_GETCHECK, 0, 0) == BST_CHECKED;
    ChangeSettings().*kAlarms[size_t(alarm_ - 1)].wake = ticked ? 1 : 0;
}

void AlarmsWindow::ShowWakeSentence() {
    const ClockSettings& s = Settings();
    const std::array<bool, 5> wakes = AlarmsThatWake(s);
    bool waking = false;
    for (size_t i = 0; i < kAlarms.size(); ++i) waking = waking || (wakes[i] && s.*kAlarms[i].on);
    const std::optional<std::string> sentence = waking ? host_.CannotWake() : std::nullopt;
    SetWindowTextA(Control(IdOf(AlarmsControl::WakeSentence)), sentence.value_or("").c_str());
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
    ShowWake();
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
