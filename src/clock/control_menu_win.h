#pragma once

// The control menu (window class "TForm4"): a column of thirteen coloured panels that open the
// settings windows, the clocks and timers windows, the calendar, the help, the system's date and
// time settings, or stop the program.

#include "clock/program_commands_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

class ControlMenuWindow final : public SettingsDialog {
public:
    ControlMenuWindow(SettingsWindowHost& host, ProgramCommands& program);

    // The panels' control identifiers, by what each opens or does, in the menu's order.
    // clang-format off
    enum PanelId {
        kFace = 101, kHands, kDigital, kAlarms, kStop, kHelp, kConfigurations, kSetTime, kPhases,
        kSpelling, kClocks, kTimers, kCalendar,
    };
    // clang-format on
    // Runs a panel's click, as a click on it does.
    void Press(int panel);

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawPanel(const DRAWITEMSTRUCT& item);

    ProgramCommands& program_;
};

}  // namespace marvix
