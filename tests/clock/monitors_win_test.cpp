// The clock on a desktop of two monitors: the main one 1024 x 768 and an 800 x 600 one to its
// right (or its left), on an X display whose monitors the test lays out as a user plugs them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "../support/dialog_fixture_win.h"
#include "../support/programs_win.h"
#include "clock/control_menu_win.h"
#include "clock/exit_confirmation_win.h"
#include "dialogs/face_dialog.h"
#include "program/help_window_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {
namespace {

const Rect kMain{0, 0, 1024, 768};
const Rect kRight{1024, 0, 1824, 600};
const Rect kLeft{-800, 0, 0, 600};

bool Inside(const RECT& window, Rect area) {
    return window.left >= area.left && window.top >= area.top && window.right <= area.right &&
           window.bottom <= area.bottom;
}

std::vector<Rect> MonitorBounds() {
    std::vector<Rect> bounds;
    for (const Monitor& monitor : Monitors()) bounds.push_back(monitor.bounds);
    return bounds;
}

class MonitorsTest : public DialogFixture {
protected:
    MonitorsTest() : DialogFixture(DialogId::Face) {}
    // A test run again in a program of its own, which Wine starts at 144 pixels per inch (it
    // reads the resolution as a program starts), keeps the layout its parent made.
    const bool child_ = std::getenv("MARVIX_AT_144") != nullptr;
    static DWORD RunAt144(const char* filter) {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD,
                        "\x90\0\0\0", 4);
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        SetEnvironmentVariableA("MARVIX_AT_144", "1");
        const DWORD code = RunToEnd(std::string("\"") + self + "\" --gtest_filter=" + filter);
        SetEnvironmentVariableA("MARVIX_AT_144", nullptr);
        RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels");
        return code;
    }
    void SetUp() override {
        DialogFixture::SetUp();
        if (!child_) Layout("two", {kMain, kRight});
    }
    void TearDown() override {
        DialogFixture::TearDown();
        if (!child_) Layout("two", {kMain, kRight});
    }

    // Lays the monitors out (tools/monitor-layout, a Unix program that Wine starts), then lets
    // the program run until Wine has reported them so for half a second: Wine takes a change
    // in steps, and a look between two may see one monitor too few.
    void Layout(const char* layout, const std::vector<Rect>& expected) {
        const char* script = std::getenv("MARVIX_MONITOR_LAYOUT");
        ASSERT_NE(script, nullptr);
        // Wine runs a Unix program given by its DOS path; the handle it gives back cannot be
        // waited for, so what it did is watched for instead.
        StartProgram("Z:\\bin\\bash " + std::string(script) + " " + layout);
        DWORD since = 0;
        ASSERT_TRUE(Within(10000,
                           [&] {
                               Pump();
                               if (MonitorBounds() != expected) since = 0;
                               else if (!since) since = GetTickCount();
                               return since && GetTickCount() - since >= 500;
                           }))
            << "the layout " << layout;
    }
    // A left drag of the clock by `by`, as the mouse does it.
    void Drag(POINT by) {
        const RECT before = WindowRect(ClockHwnd());
        SetCursorPos(before.left + 50, before.top + 50);
        SendMessageA(ClockHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
        SetCursorPos(before.left + 50 + by.x, before.top + 50 + by.y);
        SendMessageA(ClockHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50 + by.x, 50 + by.y));
        SendMessageA(ClockHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(50 + by.x, 50 + by.y));
    }
    ::testing::AssertionResult ClockAt(int left, int top) {
        const RECT r = WindowRect(ClockHwnd());
        if (r.left == left && r.top == top) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the clock is at " << r.left << ", " << r.top;
    }
};

TEST_F(MonitorsTest, AClockStoredOnTheSecondMonitorStartsAndStaysThere) {
    Store("FL", "1300");
    Store("FT", "100");
    Start();
    EXPECT_TRUE(ClockAt(1300, 100));
    Wait(3000);
    EXPECT_TRUE(ClockAt(1300, 100)) << "the ticks of 3 s leave it there";
    SendMessageA(ClockHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 50));
    ASSERT_FALSE(IsWindowVisible(ClockHwnd())) << "in the tray";
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(ClockAt(1300, 100)) << "back from the tray where it was";
    Stop();
    EXPECT_EQ(Stored("FL"), "1300");
    EXPECT_EQ(Stored("FT"), "100");
}

// The clamp holds a window to its own monitor: past the second monitor's far edge it comes back
// inside that monitor, not onto the main one.
TEST_F(MonitorsTest, DroppedOnTheSecondMonitorItStaysAndIsPulledInsideItsFarEdge) {
    Start();  // at 194, 105, a 200-pixel face
    Drag({1106, 0});
    Clock().Ticker().Tick();
    EXPECT_TRUE(ClockAt(1300, 105));
    EXPECT_EQ(Clock().Settings().FL, 1300);
    Drag({500, 450});
    Clock().Ticker().Tick();
    const RECT r = WindowRect(ClockHwnd());
    EXPECT_EQ(r.right, kRight.right);
    EXPECT_EQ(r.bottom, kRight.bottom);
    EXPECT_TRUE(Inside(r, kRight));
}

TEST_F(MonitorsTest, TheSecondMonitorUnpluggedAndBackTakesTheClockAwayAndBack) {
    Store("FL", "1300");
    Store("FT", "100");
    Start();
    Layout("one", {kMain});
    EXPECT_TRUE(Within(1000, [&] {
        Pump();
        return Inside(WindowRect(ClockHwnd()), kMain);
    })) << "wholly on the main monitor within a second";
    Layout("two", {kMain, kRight});
    EXPECT_TRUE(Within(2000, [&] {
        Pump();
        return ClockAt(1300, 100);
    })) << "back at its place";
    Stop();
    EXPECT_EQ(Stored("FL"), "1300");
    EXPECT_EQ(Stored("FT"), "100");
}

TEST_F(MonitorsTest, StartedWithItsMonitorGoneTheClockShowsOnTheMainOneAndKeepsItsPlace) {
    Layout("one", {kMain});
    Store("FL", "1300");
    Store("FT", "100");
    Start();
    EXPECT_TRUE(Inside(WindowRect(ClockHwnd()), kMain));
    Stop();
    EXPECT_EQ(Stored("FL"), "1300");
}

TEST_F(MonitorsTest, APlaceLeftOfTheMainMonitorIsKeptShownAndWrittenToFiles) {
    Layout("left", {kMain, kLeft});
    Store("FL", "-600");
    Store("FT", "100");
    Start();
    EXPECT_TRUE(ClockAt(-600, 100));
    Open();
    EXPECT_EQ(Text(IdOf(FaceControl::Left)), "-600");

    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "left-of-main.ccf";
    ASSERT_TRUE(Clock().Parts().files.SaveConfiguration(file));
    Type(IdOf(FaceControl::Left), "300");
    Pump();
    ASSERT_TRUE(ClockAt(300, 100));
    ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(file));
    EXPECT_EQ(Clock().Settings().FL, -600);
    EXPECT_TRUE(ClockAt(-600, 100));
    DeleteFileA(file.c_str());

    // Typed at a person's pace, the minus sign first.
    TypeKeys(IdOf(FaceControl::Left), "-700", 150);
    Leave(IdOf(FaceControl::Left));
    EXPECT_EQ(Clock().Settings().FL, -700);
    EXPECT_TRUE(ClockAt(-700, 100));
}

TEST_F(MonitorsTest, TheHandsWindowAndTheControlMenuOpenOnTheClocksMonitor) {
    Store("FL", "1300");
    Store("FT", "100");
    Start();
    app_->FirstClock().ShowSettingsWindow(DialogId::Hands);
    Pump();
    EXPECT_TRUE(Inside(WindowRect(app_->FirstClock().Dialog(DialogId::Hands).Window()), kRight));
    SendMessageA(ClockHwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 50));
    Pump();
    ASSERT_TRUE(IsWindowVisible(app_->FirstClock().ControlMenu().Window()));
    EXPECT_TRUE(Inside(WindowRect(app_->FirstClock().ControlMenu().Window()), kRight));
}

// The screen's pixels at a place with negative coordinates: a window of one colour on the left
// monitor, behind the clock, becomes its face.
TEST_F(MonitorsTest, TheSnapshotTakesWhatIsBehindTheClockOnAMonitorLeftOfTheMain) {
    Layout("left", {kMain, kLeft});
    const ScopedBrush blue(CreateSolidBrush(RGB(0, 0, 255)));
    WNDCLASSA paper{};
    paper.lpfnWndProc = DefWindowProcA;
    paper.hInstance = GetModuleHandleA(nullptr);
    paper.hbrBackground = blue.Get();
    paper.lpszClassName = "MarvixTestBlue";
    RegisterClassA(&paper);
    HWND behind = CreateWindowExA(WS_EX_TOOLWINDOW, paper.lpszClassName, "", WS_POPUP | WS_VISIBLE,
                                  -750, 50, 400, 400, nullptr, nullptr, paper.hInstance, nullptr);
    Store("FL", "-700");
    Store("FT", "100");
    Store("IgnoreBoundary", "false");
    Start();
    SetWindowPos(behind, ClockHwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Wait(300);
    Clock().Parts().look.TakeSnapshot();
    EXPECT_EQ(Clock().Face().Pictures().face->PixelAt(100, 100), 0x0000FFu);
    DestroyWindow(behind);
    UnregisterClassA(paper.lpszClassName, paper.hInstance);
}

// Moved onto a monitor of another resolution (Windows sends this; Wine gives every monitor one
// resolution and never does), every window takes the place Windows suggests: the clock keeps its
// size, so that the face stays pixel for pixel, and every other window takes the suggested size
// too, laid out for the new resolution.
TEST_F(MonitorsTest, EveryWindowTakesTheSuggestedPlaceAndAllButTheClockItsSize) {
    Start();
    app_->FirstClock().ShowHelp();
    std::vector<HWND> windows{ClockHwnd(), app_->FirstClock().ControlMenu().Window(),
                              app_->FirstClock().ExitConfirmation().Window(),
                              app_->Windows().Help().Window()};
    for (size_t id = 0; id < kDialogCount; ++id)
        windows.push_back(app_->FirstClock().Dialog(DialogId(id)).Window());
    for (HWND window : windows) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        const RECT before = WindowRect(window);
        const LONG width = before.right - before.left, height = before.bottom - before.top;
        RECT suggested{1100, 50, 1100 + 2 * width, 50 + 2 * height};
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(192, 192), LPARAM(&suggested));
        const RECT after = WindowRect(window);
        EXPECT_EQ(after.left, 1100) << name;
        EXPECT_EQ(after.top, 50) << name;
        // As far as Windows lets a resizable window grow (help, on this small screen).
        const LONG scale = window == ClockHwnd() ? 1 : 2;
        const bool sizable = GetWindowLongA(window, GWL_STYLE) & WS_THICKFRAME;
        EXPECT_EQ(after.right - after.left,
                  sizable ? std::min<LONG>(scale * width, GetSystemMetrics(SM_CXMAXTRACK))
                          : scale * width)
            << name;
        EXPECT_EQ(after.bottom - after.top,
                  sizable ? std::min<LONG>(scale * height, GetSystemMetrics(SM_CYMAXTRACK))
                          : scale * height)
            << name;
    }
}

// At 144 pixels per inch on a 1920 x 1080 screen, the hands, digital, alarms and spelling windows
// opened over the control menu, whose next click changed "Auto Size" instead. Opened from the
// menu one after another and left open, each lies clear of the menu and of the clock.
TEST_F(MonitorsTest, SettingsWindowsOpenClearOfTheMenuAt144OnAFullHdScreen) {
    if (child_) {
        ASSERT_EQ(DpiOf(nullptr), 144);
        Start();
        Clock().Parts().model.Edit().Still = true;  // the right button brings the menu
        app_->FirstClock().ShowMenuOrExitConfirmation();
        const RECT menu = WindowRect(app_->FirstClock().ControlMenu().Window()),
                   clock = WindowRect(ClockHwnd());
        // As the menu's buttons open them, one after another, while it shows.
        for (DialogId id : {DialogId::Face, DialogId::Hands, DialogId::Digital, DialogId::Phases,
                            DialogId::Alarms, DialogId::Configurations, DialogId::Spelling}) {
            app_->FirstClock().ShowSettingsWindow(id);
            RECT shown = WindowRect(app_->FirstClock().Dialog(id).Window()), both;
            EXPECT_FALSE(IntersectRect(&both, &shown, &menu)) << int(id) << " over the menu";
            EXPECT_FALSE(IntersectRect(&both, &shown, &clock)) << int(id) << " over the clock";
        }
        return;
    }
    Layout("full-hd", {{0, 0, 1920, 1080}});
    EXPECT_EQ(RunAt144("*OnAFullHdScreen"), 0u) << "see above";
}

// At 144 pixels per inch the clock was two-thirds of the size meant: following the screen's scale,
// a clock of 100 % is half as large again, and as round; not following it, as at 96.
TEST_F(MonitorsTest, At144TheClockIsHalfAsLargeAgainAndAsRound) {
    if (!child_) {
        EXPECT_EQ(RunAt144("*HalfAsLargeAgain*"), 0u) << "see above";
        return;
    }
    Start();
    RECT r = WindowRect(ClockHwnd());
    EXPECT_NEAR(r.right - r.left, 300, 2);
    EXPECT_NEAR(r.bottom - r.top, 300, 2);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(ClockHwnd(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 150, 150) && !PtInRegion(region, 8, 8));
    DeleteObject(region);
    Clock().Parts().model.Edit().FollowScreenScale = false;
    Clock().Parts().look.Rescale();
    r = WindowRect(ClockHwnd());
    EXPECT_EQ(r.right - r.left, 200);
}

}  // namespace
}  // namespace marvix
