#pragma once

// TForm9, "EXIT PROGRAM?": Yes ends the program, No hides the question.

#include "app/settings_dialog_win.h"

namespace marvix {

class TForm9 final : public SettingsDialog {
public:
    explicit TForm9(Application& app);
    enum { Button1 = 201, Button2 = 202 };
    void Button1Click();  // "Yes"
    void Button2Click();  // "No"

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
};

}  // namespace marvix
