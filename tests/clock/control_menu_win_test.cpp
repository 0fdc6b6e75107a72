// The control menu, the tray and the exit under Wine: the ten windows, the right button, the
// panels, the exit confirmation and the keyboard in the code-built windows.
#include <windows.h>

#include "../support/clock_fixture_win.h"
#include "clock/control_menu_win.h"
#include "clock/exit_confirmation_win.h"
#include "program/help_window_win.h"

namespace marvix {
namespace {

using ControlMenuTest = ClockFixture;

// The menu and the settings windows are made when first wanted, hidden, owned by the taskbar's
// window and with their captions.
TEST_F(ControlMenuTest, TheTenWindowsAreMadeWhenWantedWithTheirCaptions) {
    Start();
    EXPECT_EQ(FindWindowA("TForm4", nullptr), nullptr) << "none at start";
    app_->FirstClock().ControlMenu();
    app_->FirstClock().ExitConfirmation();
    for (size_t id = 0; id < kDialogCount; ++id) app_->FirstClock().Dialog(DialogId(id));
    const char* expected[][2] = {
        {"TForm2", "Marvix Hands"},
        {"TForm3", "Phase Displays"},
        {"TForm4", "Marvix V2.0"},
        {"TForm5", "Marvix Face"},
        {"TForm6", "Marvix Digital Displays"},
        {"TForm7", "Marvix Alarms/sounds"},
        {"TForm8", "Configurations"},
        {"TForm9", "EXIT PROGRAM?"},
        {"TForm10", "Spelling"},
    };
    for (const auto& [className, caption] : expected) {
        HWND window = FindWindowA(className, caption);
        EXPECT_NE(window, nullptr) << className;
        EXPECT_FALSE(IsWindowVisible(window)) << className << " starts hidden";
        EXPECT_EQ(GetWindow(window, GW_OWNER), app_->Owner()) << className;
    }
    EXPECT_EQ(GetWindow(ClockHwnd(), GW_OWNER), app_->Owner());
    char title[32];
    GetWindowTextA(app_->Owner(), title, sizeof title);
    EXPECT_STREQ(title, "Marvo");
}

TEST_F(ControlMenuTest, DoubleClickHidesToTheTrayAndALeftClickThereBringsItBack) {
    Start();
    EXPECT_TRUE(Clock().Ticker().Schedule().Running());
    SendMessageA(ClockHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_FALSE(IsWindowVisible(ClockHwnd()));
    EXPECT_FALSE(Clock().Ticker().Schedule().Running());
    EXPECT_TRUE(Clock().Settings().Tray);
    const auto paused = [&] {
        return std::string(Clock().Tray().Tip()).find(", alarms paused") != std::string::npos;
    };
    EXPECT_TRUE(paused()) << "the tip says its alarms wait";

    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_RBUTTONDOWN);
    EXPECT_TRUE(app_->FirstClock().ControlMenu().IsVisible());
    EXPECT_FALSE(IsWindowVisible(ClockHwnd())) << "the menu opens, the clock stays hidden";
    EXPECT_FALSE(Clock().Ticker().Schedule().Running());

    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
    EXPECT_TRUE(Clock().Ticker().Schedule().Running());
    EXPECT_FALSE(Clock().Settings().Tray);
    EXPECT_FALSE(Clock().IsDragging());
    EXPECT_FALSE(paused());
}

// The control menu comes up beside the clock, and a settings window opened from it clear of both
// (on the right of the menu here, level with the clock); help, asked for with F1, beside that
// window (moved by the user where there is room for help) and clear of the clock.
TEST_F(ControlMenuTest, WindowsOpenedFromTheMenuOrWithF1ComeUpClearOfIt) {
    Store("FL", "0");
    Store("FT", "0");
    Start();
    SendMessageA(ClockHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 50));
    Pump();
    ASSERT_TRUE(app_->FirstClock().ControlMenu().IsVisible());
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kFace);
    Pump();
    HWND face = app_->FirstClock().Dialog(DialogId::Face).Window();
    RECT overlap;
    const RECT menu = WindowRect(app_->FirstClock().ControlMenu().Window()),
               clock = WindowRect(ClockHwnd());
    RECT shown = WindowRect(face);
    EXPECT_FALSE(IntersectRect(&overlap, &menu, &clock)) << "the menu beside the clock";
    EXPECT_FALSE(IntersectRect(&overlap, &shown, &menu)) << "clear of the menu";
    EXPECT_FALSE(IntersectRect(&overlap, &shown, &clock)) << "beside the clock";
    EXPECT_GE(shown.left, menu.right) << "on the right of the menu";
    EXPECT_EQ(shown.top, clock.top) << "level with the clock";
    SetWindowPos(face, nullptr, 0, 220, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    app_->Windows().ShowHelpFor(face);
    Pump();
    const RECT help = WindowRect(app_->Windows().Help().Window());
    shown = WindowRect(face);
    EXPECT_FALSE(IntersectRect(&overlap, &help, &shown)) << "beside the window it was asked from";
    EXPECT_FALSE(IntersectRect(&overlap, &help, &clock)) << "clear of the clock";
}

// A loaded configuration moved the clock to the file's place, over the open menu, hiding four of
// its buttons: the clock keeps the file's place and the menu moves beside it again.
TEST_F(ControlMenuTest, AClockLoadedOverItsOpenMenuLeavesTheMenuBesideIt) {
    Start();
    app_->FirstClock().ShowMenuOrExitConfirmation();
    Pump();
    const RECT menu = WindowRect(app_->FirstClock().ControlMenu().Window());
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "over-the-menu.ccf";
    const ClockSettings before = Clock().Settings();
    Clock().Parts().model.Edit().FL = menu.left;
    Clock().Parts().model.Edit().FT = menu.top;
    ASSERT_TRUE(Clock().Parts().files.SaveConfiguration(file));
    Clock().Parts().model.Edit() = before;
    ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(file));
    DeleteFileA(file.c_str());
    const RECT moved = WindowRect(ClockHwnd()),
               menuNow = WindowRect(app_->FirstClock().ControlMenu().Window());
    EXPECT_EQ(moved.left, menu.left) << "the file's place";
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &moved, &menuNow));
    EXPECT_TRUE(app_->FirstClock().ControlMenu().IsVisible());
}

TEST_F(ControlMenuTest, TrayAtStartKeepsTheClockHidden) {
    Store("Tray", "true");
    Start();
    Pump();
    EXPECT_FALSE(IsWindowVisible(ClockHwnd()));
    EXPECT_TRUE(Clock().Tray().IsAdded());
    Clock().Ticker().Tick();
    EXPECT_FALSE(IsWindowVisible(ClockHwnd()));
    EXPECT_TRUE(Clock().Ticker().Schedule().Running())
        << "hidden at start, the clock goes on ticking";
}

TEST_F(ControlMenuTest, RightButtonOpensTheMenuOrWithStillOffTheExitConfirmation) {
    Start();
    SendMessageA(ClockHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(app_->FirstClock().ControlMenu().IsVisible());
    EXPECT_FALSE(app_->FirstClock().ExitConfirmation().IsVisible());
    app_.reset();

    Store("Still", "false");
    Start();
    SendMessageA(ClockHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
    EXPECT_FALSE(app_->FirstClock().ControlMenu().IsVisible());
    EXPECT_TRUE(app_->FirstClock().ExitConfirmation().IsVisible());
    // Inside its group box, between the buttons, the window's own purple: a group box paints
    // only its frame and caption, and the window used to leave the rest unpainted (black).
    HWND question = app_->FirstClock().ExitConfirmation().Window();
    UpdateWindow(question);
    POINT inside{75, 34};
    ClientToScreen(question, &inside);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetPixel(screen, inside.x, inside.y), COLORREF(kWindowPurple));
    ReleaseDC(nullptr, screen);
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_RBUTTONDOWN);
    EXPECT_FALSE(app_->FirstClock().ControlMenu().IsVisible());

    app_->FirstClock().ExitConfirmation().No();  // "No"
    EXPECT_FALSE(app_->FirstClock().ExitConfirmation().IsVisible());
    EXPECT_TRUE(IsWindow(ClockHwnd()));
    app_->FirstClock().ExitConfirmation().Yes();  // "Yes"
    EXPECT_FALSE(app_->HasClock());
    EXPECT_EQ(Stored("Still"), "false");
}

TEST_F(ControlMenuTest, ControlMenuPanelsOpenTheirWindows) {
    Start();
    const std::pair<int, DialogId> panels[] = {
        {ControlMenuWindow::kFace, DialogId::Face},
        {ControlMenuWindow::kHands, DialogId::Hands},
        {ControlMenuWindow::kDigital, DialogId::Digital},
        {ControlMenuWindow::kPhases, DialogId::Phases},
        {ControlMenuWindow::kAlarms, DialogId::Alarms},
        {ControlMenuWindow::kConfigurations, DialogId::Configurations},
        {ControlMenuWindow::kSpelling, DialogId::Spelling},
    };
    for (const auto& [panel, dialog] : panels) {
        EXPECT_FALSE(app_->FirstClock().Dialog(dialog).IsVisible());
        SendMessageA(app_->FirstClock().ControlMenu().Window(), WM_COMMAND,
                     MAKEWPARAM(panel, BN_CLICKED),
                     LPARAM(GetDlgItem(app_->FirstClock().ControlMenu().Window(), panel)));
        EXPECT_TRUE(app_->FirstClock().Dialog(dialog).IsVisible()) << panel;
    }
    // "Set Time" where the system has no date and time panel (Wine has none) says so; it used
    // to start rundll32, which failed unseen.
    const bool panel = SearchPathA(nullptr, "timedate.cpl", nullptr, 0, nullptr, nullptr) > 0;
    SendMessageA(
        app_->FirstClock().ControlMenu().Window(), WM_COMMAND,
        MAKEWPARAM(ControlMenuWindow::kSetTime, BN_CLICKED),
        LPARAM(GetDlgItem(app_->FirstClock().ControlMenu().Window(), ControlMenuWindow::kSetTime)));
    EXPECT_EQ(messages_.Texts(),
              panel ? std::vector<std::string>{}
                    : std::vector<std::string>{"Unable to open the date and time settings of "
                                               "Windows.\nThis system has no date and time "
                                               "settings panel (timedate.cpl)."});
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kHelp);
    HWND help = FindWindowA("MarvixHelp", "Marvix Help");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(app_->Windows().Help().CurrentTopic(), "contents");
    char text[32] = {};
    GetWindowTextA(GetDlgItem(help, HelpWindow::kTopicText), text, sizeof text);
    EXPECT_EQ(std::string(text).substr(0, 25), "Marvix is a desktop clock")
        << "opened at its contents";
}

// Enter on a focused push button that is not the default one did nothing: the window answered
// IsDialogMessage's DM_GETDEFID with "none".
// The hands window at its designed place hid the whole clock, so the change it shows at once
// could not be seen; with "Top" on, the clock hid the window's columns instead.
TEST_F(ControlMenuTest, SettingsWindowsFirstShowBesideTheClockUntilTheUserMovesThem) {
    Start();
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    auto showBesideClock = [&](DialogId id) {
        SettingsDialog& dialog = app_->FirstClock().Dialog(id);
        dialog.Show();
        Pump();
        const RECT frame = WindowRect(dialog.Window()), clock = WindowRect(ClockHwnd());
        RECT overlap, inside;
        EXPECT_FALSE(IntersectRect(&overlap, &frame, &clock)) << dialog.Layout().className;
        IntersectRect(&inside, &frame, &screen);
        EXPECT_TRUE(EqualRect(&inside, &frame)) << dialog.Layout().className << " on the screen";
        SendMessageA(dialog.Window(), WM_CLOSE, 0, 0);
        return frame;
    };
    for (DialogId id : {DialogId::Hands, DialogId::Phases, DialogId::Face, DialogId::Digital,
                        DialogId::Alarms, DialogId::Configurations, DialogId::Spelling}) {
        showBesideClock(id);
    }

    // A window the user moved stays where they put it; one they did not follows the clock.
    HWND hands = app_->FirstClock().Dialog(DialogId::Hands).Window();
    app_->FirstClock().Dialog(DialogId::Hands).Show();
    SendMessageA(hands, WM_ENTERSIZEMOVE, 0, 0);
    SetWindowPos(hands, nullptr, 30, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(hands, WM_EXITSIZEMOVE, 0, 0);
    SendMessageA(hands, WM_CLOSE, 0, 0);
    SetWindowPos(ClockHwnd(), nullptr, 700, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    app_->FirstClock().Dialog(DialogId::Hands).Show();
    EXPECT_EQ(WindowRect(hands).left, 30);
    EXPECT_EQ(WindowRect(hands).top, 420);
    showBesideClock(DialogId::Face);
}

TEST_F(ControlMenuTest, EnterOnTheFocusedYesEndsTheProgramAndSavesTheSettings) {
    Store("Still", "false");
    Start();
    Clock().Parts().model.Edit().FL = 123;
    ExitConfirmationWindow& question = app_->FirstClock().ExitConfirmation();
    question.Show();
    Pump();
    HWND yes = GetDlgItem(question.Window(), ExitConfirmationWindow::kYes);
    SetFocus(yes);
    PostMessageA(yes, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(yes, WM_KEYUP, VK_RETURN, 0xC01C0001);
    Pump();
    EXPECT_FALSE(app_->HasClock());
    EXPECT_EQ(Stored("FL"), "123");
}

TEST_F(ControlMenuTest, EscapeDoesWhatTheCloseBoxDoes) {
    Start();
    SettingsDialog& hands = app_->FirstClock().Dialog(DialogId::Hands);
    hands.Show();
    Pump();
    ASSERT_TRUE(hands.IsVisible());
    PostMessageA(hands.Window(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Pump();
    EXPECT_FALSE(hands.IsVisible());
    EXPECT_TRUE(IsWindow(hands.Window())) << "hidden, as by its close box, not destroyed";
    EXPECT_TRUE(app_->HasClock());
}

TEST_F(ControlMenuTest, F1OpensTheHelpAtTheActiveWindowsTopic) {
    Start();
    SettingsDialog& hands = app_->FirstClock().Dialog(DialogId::Hands);
    hands.Show();
    Pump();
    PostMessageA(GetWindow(hands.Window(), GW_CHILD), WM_KEYDOWN, VK_F1, 0x003B0001);
    Pump();
    HWND help = FindWindowA("MarvixHelp", "Marvix Help");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(IsWindowVisible(help));
    EXPECT_EQ(app_->Windows().Help().CurrentTopic(), "TForm2");
    const LRESULT chosen = SendDlgItemMessageA(help, HelpWindow::kTopicList, LB_GETCURSEL, 0, 0);
    char title[64] = {};
    SendDlgItemMessageA(help, HelpWindow::kTopicList, LB_GETTEXT, WPARAM(chosen), LPARAM(title));
    EXPECT_STREQ(title, "The hands window");

    // Escape closes it, as in the settings windows.
    PostMessageA(GetDlgItem(help, HelpWindow::kTopicList), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Pump();
    EXPECT_FALSE(IsWindowVisible(help));
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kHelp);  // "Help"
    EXPECT_EQ(app_->Windows().Help().CurrentTopic(), "contents");
}

}  // namespace
}  // namespace marvix
