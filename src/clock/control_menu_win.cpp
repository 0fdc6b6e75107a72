#include "clock/control_menu_win.h"

#include <shellapi.h>

#include <oleacc.h>

#include "base/colour.h"
#include "base/lazy_library_win.h"
#include "base/message_seam_win.h"
#include "base/version.h"
#include "windows/accessible_win.h"
#include "windows/painted_panel_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "TForm4", .caption = "Marvix V" MARVIX_VERSION_TEXT, .client = {138, 415}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kPanels | kRadioGroups,
    .clamp = Clamp::OnActivation, .createOnActivation = false, .besideClock = true,
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
                   kStop = 0x00400080;

// From top to bottom; every panel is 109 pixels wide.
constexpr PanelLook kPanelLooks[] = {
    {.id = ControlMenuWindow::kFace,
     .caption = "Clock Face",
     .top = 8,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kHands,
     .caption = "Hand Settings",
     .top = 39,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kDigital,
     .caption = "Digital Settings",
     .top = 70,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kPhases,
     .caption = "Phase Displays",
     .top = 101,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kAlarms,
     .caption = "Alarm/sounds",
     .top = 132,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kConfigurations,
     .caption = "Configurations",
     .top = 163,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kSpelling,
     .caption = "Spelling",
     .top = 194,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kClocks,
     .caption = "Clocks",
     .top = 225,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kTimers,
     .caption = "Timers",
     .top = 256,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kCalendar,
     .caption = "Calendar",
     .top = 287,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kHelp,
     .caption = "Help",
     .top = 318,
     .height = 21,
     .face = kBlue,
     .text = kYellow,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kSetTime,
     .caption = "Set Time",
     .top = 349,
     .height = 21,
     .face = kBlue,
     .text = kWhite,
     .bevel = 2,
     .bold = false},
    {.id = ControlMenuWindow::kStop,
     .caption = "STOP",
     .top = 377,
     .height = 31,
     .face = kStop,
     .text = kWhite,
     .bevel = 4,
     .bold = true},
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
    constexpr char kCannotOpen[] = "Unable to open the date and time settings of Windows.";
    // rundll32 starts whether or not the applet is there, and then fails where no one sees it:
    // look for the applet first (Wine, for one, has none).
    if (SearchPathA(nullptr, "timedate.cpl", nullptr, 0, nullptr, nullptr) == 0) {
        ShowMessage(std::string(kCannotOpen) +
                    "\nThis system has no date and time settings panel (timedate.cpl).");
        return;
    }
    static const auto execute =
        LazyFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    // ShellExecute answers 32 or less when it could not start the program.
    const bool opened =
        execute && reinterpret_cast<INT_PTR>(execute(GetDesktopWindow(), "open", "rundll32.exe",
                                                     "shell32.dll,Control_RunDLL timedate.cpl", "",
                                                     SW_SHOWDEFAULT)) > 32;
    if (!opened) ShowMessage(kCannotOpen);
}

}  // namespace

ControlMenuWindow::ControlMenuWindow(SettingsWindowHost& host, ProgramCommands& program)
    : SettingsDialog(host, kLayout), program_(program) {}

void ControlMenuWindow::CreateControls() {
    // One group of tab stops: Tab and the arrows go from panel to panel, Enter and Space press.
    for (const PanelLook& look : kPanelLooks) {
        HWND panel =
            Controls().Add(ControlKind::kPanels, "BUTTON", look.caption, BS_OWNERDRAW | WS_TABSTOP,
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
        case kClocks: program_.ShowProgramWindow(ProgramHost::Window::Clocks); break;
        case kTimers: program_.ShowProgramWindow(ProgramHost::Window::Timers); break;
        case kCalendar: program_.ShowProgramWindow(ProgramHost::Window::Calendar); break;
        case kHelp: program_.ShowHelp(); break;
        case kSetTime: OpenDateAndTimeSettings(); break;
        case kStop: program_.Terminate(); break;
    }
}

void ControlMenuWindow::DrawPanel(const DRAWITEMSTRUCT& item) {
    const PanelLook* look = LookOf(static_cast<int>(item.CtlID));
    if (!look) return;
    // The caption's colour where it reads on the panel, else black or white.
    const COLORREF text = ReadableOn(Colour{look->face}, Colour{look->text}).value;
    PaintPanel(item, look->caption,
               {look->face, text, look->bevel, look->bold ? Font(true) : nullptr});
}

LRESULT ControlMenuWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
