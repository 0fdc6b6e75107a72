#pragma once

// ExitConfirmationWindow, "EXIT PROGRAM?": Yes ends the program, No hides the question.

#include "clock/program_commands_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

class ExitConfirmationWindow final : public SettingsDialog {
public:
    ExitConfirmationWindow(SettingsWindowHost& host, ProgramCommands& program);
    enum { kYes = 201, kNo = 202 };
    void Yes();  // "Yes"
    void No();   // "No"

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;

private:
    ProgramCommands& program_;
};

}  // namespace marvix
