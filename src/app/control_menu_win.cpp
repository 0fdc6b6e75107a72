#include "app/control_menu_win.h"

#include <shellapi.h>

#include <oleacc.h>

#include "base/lazy_library_win.h"
#include "base/version.h"
#include "windows/accessible_win.h"
#include "windows/painted_panel_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    "TForm4", "Marvix V" MARVIX_VERSION_TEXT, {138, 322}, 0x00800040, {0, 0}, true, kPanels | kRadioGroups,
    Clamp::OnActivation, false, false,
};
// clang-format on

struct PanelLook {
    int id;
    const char* caption;
    int top;
    int height;
    COLORREF face;
    COLORREF text;
    int bevel;
    bool bold;
};

constexpr COLORREF kBlue = 0x00C08080, kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF,
                   kGray = 0x00808080, kAqua = 0x00FFFF00, kStop = 0x00400080;

// From top to bottom; every panel is 109 pixels wide.
constexpr PanelLook kPanelLooks[] = {
    {ControlMenuWindow::kFace, "Clock Face", 8, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kHands, "Hand Settings", 39, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kDigital, "Digital Settings", 70, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kPhases, "Phase Displays", 101, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kAlarms, "Alarm/sounds", 132, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kConfigurations, "Configurations", 163, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kSpelling, "Spelling", 194, 21, kBlue, kWhite, 2, false},
    {ControlMenuWindow::kHelp, "Help", 225, 21, kBlue, kYellow, 2, false},
    {ControlMenuWindow::kSetTime, "Set Time", 256, 21, kGray, kAqua, 2, false},
    {ControlMenuWindow::kStop, "STOP", 284, 31, kStop, kWhite, 4, true},
};

const PanelLook* LookOf(int id) {
    for (const PanelLook& look : kPanelLooks) {
        if (look.id == id) return &look;
    }
    return nullptr;
}

// The system's own date and time settings; the clock does not wait for them, the next tick
// simply shows the new time. The shell is loaded here, at its only use outside the tray.
void OpenDateAndTimeSettings() {
    static const auto execute =
        LazyFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (execute) {
        execute(GetDesktopWindow(), "open", "rundll32.exe",
                "shell32.dll,Control_RunDLL timedate.cpl", "", SW_SHOWDEFAULT);
    }
}

}  // namespace

ControlMenuWindow::ControlMenuWindow(SettingsWindowHost& host, ProgramCommands& program)
    : SettingsDialog(host, kLayout), program_(program) {}

void ControlMenuWindow::CreateControls() {
    // One group of tab stops: Tab and the arrows go from panel to panel, Enter and Space press.
    for (const PanelLook& look : kPanelLooks) {
        HWND panel =
            AddControl(ControlKind::kPanels, "BUTTON", look.caption, BS_OWNERDRAW | WS_TABSTOP,
                       Rect::At({14, look.top}, {109, look.height}), look.id);
        DescribeControl(panel, {.role = ROLE_SYSTEM_PUSHBUTTON, .name = look.caption});
    }
}

bool ControlMenuWindow::OnCommand(int id, int notification) {
    if (notification != BN_CLICKED || !LookOf(id)) return false;
    Press(id);
    return true;
}

void ControlMenuWindow::Press(int panel) {
    switch (panel) {
        case kFace: program_.ShowSettingsWindow(DialogId::Face); break;
        case kHands: program_.ShowSettingsWindow(DialogId::Hands); break;
        case kDigital: program_.ShowSettingsWindow(DialogId::Digital); break;
        case kPhases: program_.ShowSettingsWindow(DialogId::Phases); break;
        case kAlarms: program_.ShowSettingsWindow(DialogId::Alarms); break;
        case kConfigurations: program_.ShowSettingsWindow(DialogId::Configurations); break;
        case kSpelling: program_.ShowSettingsWindow(DialogId::Spelling); break;
        case kHelp: program_.ShowHelp(); break;
        case kSetTime: OpenDateAndTimeSettings(); break;
        case kStop: program_.Terminate(); break;
    }
}

void ControlMenuWindow::DrawPanel(const DRAWITEMSTRUCT& item) {
    const PanelLook* look = LookOf(static_cast<int>(item.CtlID));
    if (!look) return;
    PaintPanel(
        item, look->caption,
        {look->face, look->text, look->bevel, look->bold ? host_.DialogFont(true) : nullptr});
}

LRESULT ControlMenuWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
