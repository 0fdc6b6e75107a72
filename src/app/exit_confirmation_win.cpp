#include "app/exit_confirmation_win.h"

#include "app/application_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    "TForm9", "EXIT PROGRAM?", {139, 59}, 0x00800040, {0, 0}, true,
    kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels, Clamp::Never, false, false,
};
// clang-format on

}  // namespace

TForm9::TForm9(Application& app) : SettingsDialog(app, kLayout) {}

void TForm9::CreateControls() {
    AddControl(kGroupBoxes, "BUTTON", "Exit Program Yes/No?", BS_GROUPBOX, {4, 2, 135, 55}, -1);
    AddControl(kButtons, "BUTTON", "Yes", BS_PUSHBUTTON | WS_TABSTOP, Rect::At({24, 24}, {33, 20}),
               Button1);
    AddControl(kButtons, "BUTTON", "No", BS_DEFPUSHBUTTON | WS_TABSTOP,
               Rect::At({82, 24}, {33, 20}), Button2);
}

bool TForm9::OnCommand(int id, int notification) {
    if (notification != BN_CLICKED) return false;
    if (id == Button1) Button1Click();
    else if (id == Button2) Button2Click();
    else return false;
    return true;
}

void TForm9::Button1Click() { app_.Terminate(); }

void TForm9::Button2Click() { Hide(); }

}  // namespace marvix
