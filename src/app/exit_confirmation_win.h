#pragma once

// ExitConfirmationWindow, "EXIT PROGRAM?": Yes ends the program, No hides the question.

#include "windows/settings_dialog_win.h"

namespace marvix {

class Application;

class ExitConfirmationWindow final : public SettingsDialog {
public:
    explicit ExitConfirmationWindow(Application& app);
    enum { kYes = 201, kNo = 202 };
    void Yes();  // "Yes"
    void No();   // "No"

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;

private:
    Application& app_;
};

}  // namespace marvix
