#include "clock/exit_confirmation_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "TForm9", .caption = "EXIT PROGRAM?", .client = {151, 59}, .background = kWindowPurple,
    .position = {0, 0}, .centred = true, .fontKinds = kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels,
    .clamp = Clamp::Never, .createOnActivation = false, .besideClock = false, .clipChildren = false,
};
// clang-format on

}  // namespace

ExitConfirmationWindow::ExitConfirmationWindow(SettingsWindowHost& host, ProgramCommands& program)
    : SettingsDialog(host, kLayout), program_(program) {}

void ExitConfirmationWindow::CreateControls() {
    // Wide enough for its caption, which the frame used to cut at its last letter.
    Controls().Add(kGroupBoxes, "BUTTON", "Exit Program Yes/No?", BS_GROUPBOX, {4, 2, 147, 55}, -1);
    Controls().Add(kButtons, "BUTTON", "Yes", BS_PUSHBUTTON | WS_TABSTOP,
                   Rect::At({30, 24}, {33, 20}), kYes);
    Controls().Add(kButtons, "BUTTON", "No", BS_DEFPUSHBUTTON | WS_TABSTOP,
                   Rect::At({88, 24}, {33, 20}), kNo);
}

bool ExitConfirmationWindow::OnCommand(int id, int notification) {
    if (notification != BN_CLICKED) return false;
    if (id == kYes) Yes();
    else if (id == kNo) No();
    else return false;
    return true;
}

void ExitConfirmationWindow::Yes() { program_.Terminate(); }

void ExitConfirmationWindow::No() { Hide(); }

}  // namespace marvix
