#include "program/timer_alarm_window_win.h"

#include "windows/accessible_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixAlarm", .caption = "Marvix alarm", .client = {260, 98}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kButtons | kLabels,
    .clamp = Clamp::Never, .createOnActivation = false,
};
// clang-format on

}  // namespace

TimerAlarmWindow::TimerAlarmWindow(SettingsWindowHost& host, Answered answered)
    : SettingsDialog(host, kLayout), answered_(std::move(answered)) {}

void TimerAlarmWindow::CreateControls() {
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, {12, 10, 248, 30},
                   kLabel);
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, {12, 32, 248, 60}, kNote);
    Controls().Add(kButtons, "BUTTON", "Stop", BS_DEFPUSHBUTTON | WS_TABSTOP, {12, 66, 86, 89},
                   kStop);
    Controls().Add(kButtons, "BUTTON", "Restart", BS_PUSHBUTTON | WS_TABSTOP, {93, 66, 167, 89},
                   kRestart);
    Controls().Add(kButtons, "BUTTON", "+1 min", BS_PUSHBUTTON | WS_TABSTOP, {174, 66, 248, 89},
                   kAddMinute);
}

void TimerAlarmWindow::Ring(const std::string& label, const std::string& note) {
    if (!Window() && !Create()) return;
    SetDlgItemTextA(Window(), kLabel, label.c_str());
    SetDlgItemTextA(Window(), kNote, note.c_str());
    SendDlgItemMessageA(Window(), kLabel, WM_SETFONT, WPARAM(Font(true)), TRUE);
    words_ = label + ". " + note;
    ShowWithoutFocus();
    NotifyWinEvent(EVENT_SYSTEM_ALERT, Window(), OBJID_CLIENT, CHILDID_SELF);
}

void TimerAlarmWindow::Answer(TimerAnswer answer) {
    Hide();
    answered_(answer);
}

bool TimerAlarmWindow::OnCommand(int id, int notification) {
    if (notification != BN_CLICKED) return false;
    switch (id) {
        case kStop: Answer(TimerAnswer::Stop); return true;
        case kRestart: Answer(TimerAnswer::Restart); return true;
        case kAddMinute: Answer(TimerAnswer::AddMinute); return true;
    }
    return false;
}

bool TimerAlarmWindow::EscapePressed(HWND) {
    Answer(TimerAnswer::Stop);
    return true;
}

LRESULT TimerAlarmWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: Answer(TimerAnswer::Stop); return 0;
        // Enter stops it wherever the focus is in it: a person answering in a hurry restarts
        // nothing by surprise.
        case DM_GETDEFID: return MAKELRESULT(kStop, DC_HASDEFID);
        case WM_GETOBJECT:
            if (const LRESULT answer = AnswerAsAlert(Window(), wParam, lParam, words_))
                return answer;
            break;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
