#pragma once

// AlarmsWindow, "Marvix Alarms/sounds": the sound files with their check boxes, "test" and "Browse",
// the editor of the five alarms, whether they wake the computer (and why they cannot), and the
// quiet hours.

#include "dialogs/table_dialog_win.h"

namespace marvix {

class AlarmsWindow final : public TableDialog {
public:
    AlarmsWindow(SettingsWindowHost& host, const DialogLayout& layout);
    // The alarm the editor shows, 1 to 5.
    int Alarm() const { return alarm_; }

protected:
    const SettingDef* Bound(const ControlRow& row) const override;
    int32_t Shown(const ControlRow& row, int32_t stored) const override;
    void BeforeFill() override;
    void AfterFill() override;
    void Changed(const ControlRow& row) override;
    void Pressed(const ControlRow& row) override;

private:
    void ShowChosenAlarm();
    void TakeHourOfTheDay();
    // "Wake the computer" as the chosen alarm has it (at first, as it rings until answered).
    void ShowWake();
    void StoreWake();
    // Why this computer cannot wake for this clock's alarms, while one that wakes it is on.
    void ShowWakeSentence();

    int alarm_ = 1;
};

}  // namespace marvix
