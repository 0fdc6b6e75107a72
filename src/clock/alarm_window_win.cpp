#include "clock/alarm_window_win.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "windows/accessible_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixAlarm", .caption = "Marvix alarm", .client = {260, 122}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kButtons | kLabels | kLists,
    .clamp = Clamp::Never, .createOnActivation = false,
};
// clang-format on

}  // namespace

AlarmWindow::AlarmWindow(SettingsWindowHost& host) : SettingsDialog(host, kLayout) {}

void AlarmWindow::CreateControls() {
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, {12, 10, 248, 30}, kTime);
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, {12, 32, 248, 48},
                   kLabel);
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, {12, 50, 248, 84}, kNote);
    Controls().Add(kButtons, "BUTTON", "Snooze", BS_PUSHBUTTON | WS_TABSTOP, {12, 90, 76, 113},
                   kSnooze);
    HWND minutes =
        Controls().Add(kLists, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                       {82, 90, 178, 200}, kSnoozeMinutes);
    for (int choice : kSnoozeChoices) {
        const std::string text = std::to_string(choice) + " minutes";
        SendMessageA(minutes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    DescribeControl(minutes, {.name = "Snooze for"});
    Controls().Add(kButtons, "BUTTON", "Dismiss", BS_DEFPUSHBUTTON | WS_TABSTOP,
                   {184, 90, 248, 113}, kDismiss);
}

// The snooze the clock remembers; a stored length not offered shows the nearest one offered.
void AlarmWindow::ShowSettings() {
    const int stored = Settings().SnoozeMinutes;
    const auto nearest =
        std::min_element(std::begin(kSnoozeChoices), std::end(kSnoozeChoices),
                         [&](int a, int b) { return std::abs(a - stored) < std::abs(b - stored); });
    SendDlgItemMessageA(Window(), kSnoozeMinutes, CB_SETCURSEL,
                        WPARAM(nearest - std::begin(kSnoozeChoices)), 0);
}

void AlarmWindow::Ring(const AlarmNotice& notice, bool canSnooze) {
    if (!Window() && !Create()) return;
    SetDlgItemTextA(Window(), kTime, notice.time.c_str());
    SetDlgItemTextA(Window(), kLabel, notice.label.c_str());
    SetDlgItemTextA(Window(), kNote, notice.note.c_str());
    EnableWindow(GetDlgItem(Window(), kSnooze), canSnooze);
    EnableWindow(GetDlgItem(Window(), kSnoozeMinutes), canSnooze);
    ShowSettings();
    // The time stands out: the dialog font in bold, given after the window's own fonts.
    SendDlgItemMessageA(Window(), kTime, WM_SETFONT, WPARAM(Font(true)), TRUE);
    words_ = notice.time + ", " + notice.label + (notice.note.empty() ? "" : ". " + notice.note);
    ShowWithoutFocus();
    NotifyWinEvent(EVENT_SYSTEM_ALERT, Window(), OBJID_CLIENT, CHILDID_SELF);
}

int AlarmWindow::ChosenSnooze() const {
    const LRESULT chosen = SendDlgItemMessageA(Window(), kSnoozeMinutes, CB_GETCURSEL, 0, 0);
    return kSnoozeChoices[chosen >= 0 && chosen < LRESULT(std::size(kSnoozeChoices)) ? chosen : 1];
}

void AlarmWindow::Answer(bool snooze) {
    const int minutes = ChosenSnooze();
    // Answered with a click or a key, the window had become the active one: the window the user
    // was in before gets the keys back, rather than whichever Windows would pick.
    if (GetActiveWindow() == Window() && IsWindow(before_) && IsWindowVisible(before_))
        SetActiveWindow(before_);
    Hide();
    host_.Parts().sounds.AnswerAlarm(snooze ? std::optional(minutes) : std::nullopt);
}

bool AlarmWindow::OnCommand(int id, int notification) {
    if (id == kSnoozeMinutes && notification == CBN_SELCHANGE) {
        ChangeSettings().SnoozeMinutes = ChosenSnooze();
        return true;
    }
    if (notification != BN_CLICKED || (id != kSnooze && id != kDismiss)) return false;
    Answer(id == kSnooze);
    return true;
}

// Escape dismisses it wherever the focus is in it, and so does Enter (see DM_GETDEFID): a person
// woken by it reaches for either key, and neither snoozes by surprise. Space presses Snooze.
bool AlarmWindow::EscapePressed(HWND) {
    Answer(false);
    return true;
}

LRESULT AlarmWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE: Answer(false); return 0;
        // Enter presses Dismiss, even with the focus on Snooze, where a settings window's Enter
        // would press the focused button.
        case DM_GETDEFID: return MAKELRESULT(kDismiss, DC_HASDEFID);
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && lParam) before_ = reinterpret_cast<HWND>(lParam);
            break;
        case WM_GETOBJECT:
            if (const LRESULT answer = AnswerAsAlert(Window(), wParam, lParam, words_))
                return answer;
            break;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
