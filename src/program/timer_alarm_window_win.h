#pragma once

// The alarm window ("Marvix alarm", the class MarvixAlarm) as a timer rings in it: beside the
// clock the timer shows on, above other windows, without taking the focus. It says the timer's
// label, "Timer" and its round, or when it ended if it ended while the program was off or the
// computer slept; Stop (also Enter, Escape and the close box), Restart and "+1 min" answer it.
// A screen reader hears it as an alert.

#include <functional>
#include <string>

#include "windows/settings_dialog_win.h"

namespace marvix {

enum class TimerAnswer { Stop, Restart, AddMinute };

class TimerAlarmWindow final : public SettingsDialog {
public:
    using Answered = std::function<void(TimerAnswer)>;
    TimerAlarmWindow(SettingsWindowHost& host, Answered answered);

    // clang-format off
    enum ControlId { kLabel = 921, kNote, kStop, kRestart, kAddMinute };
    // clang-format on

    void Ring(const std::string& label, const std::string& note);
    // What it says, as a screen reader hears it.
    const std::string& Words() const { return words_; }
    void Answer(TimerAnswer answer);

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
    bool EscapePressed(HWND focus) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Answered answered_;
    std::string words_;
};

}  // namespace marvix
