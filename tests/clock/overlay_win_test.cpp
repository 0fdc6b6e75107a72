// The clock as a quiet overlay under Wine: real clicks pass through it to the window below while
// click-through is on, the tray icon still reaches it, and a full-screen window of another
// program hides it until that window goes, its alarms ringing meanwhile.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "../support/clock_fixture_win.h"
#include "../support/programs_win.h"
#include "../support/recording_player.h"
#include "clock/control_menu_win.h"
#include "clock/tray_icon_win.h"
#include "dialogs/face_dialog.h"
#include "dialogs/table_dialog_win.h"

namespace marvix {
namespace {

constexpr char kHelperVariable[] = "MARVIX_FULL_SCREEN_HELPER";
constexpr char kGoneEvent[] = "Marvix.Test.FullScreenGone";

std::atomic<int> g_clicksBelow{0};

LRESULT CALLBACK BelowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++g_clicksBelow;
    return DefWindowProcA(window, message, wParam, lParam);
}

class OverlayTest : public ClockFixture {
protected:
    void SetOverlay(bool clickThrough) {
        Clock().Parts().model.Edit().ClickThrough = clickThrough;
        Clock().Parts().place.ApplyOverlay();
        Pump();
    }
};

// A click at the clock's centre, made with the mouse as a user makes it, reaches the window below
// while click-through is on, and the clock when it is off.
TEST_F(OverlayTest, ClicksPassThroughOnlyWhileClickThroughIsOnAndTheTrayStillReachesTheClock) {
    Store("MoveIt", "false");
    Start();
    WNDCLASSA paper{};
    paper.lpfnWndProc = BelowProc;
    paper.hInstance = GetModuleHandleA(nullptr);
    paper.lpszClassName = "MarvixTestBelow";
    paper.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    RegisterClassA(&paper);
    const RECT clock = WindowRect(ClockHwnd());
    HWND below =
        CreateWindowExA(0, paper.lpszClassName, "", WS_POPUP | WS_VISIBLE, clock.left - 20,
                        clock.top - 20, 240, 240, nullptr, nullptr, paper.hInstance, nullptr);
    const POINT centre{(clock.left + clock.right) / 2, (clock.top + clock.bottom) / 2};
    for (bool through : {true, false, true}) {
        SetOverlay(through);
        // Under the clock again: a click that reached it brought it to the front.
        SetWindowPos(below, ClockHwnd(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        Wait(200);
        EXPECT_EQ((GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0, through);
        g_clicksBelow = 0;
        SetCursorPos(centre.x, centre.y);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        Wait(300);
        EXPECT_EQ(g_clicksBelow > 0, through) << (through ? "passed through" : "taken");
    }
    EXPECT_TRUE(WaitFor(
        [&] {
            return std::string(Clock().Tray().Tip()).find(", click-through") != std::string::npos;
        },
        4000))
        << "the tip says so once the change has settled";

    // Its icon's left button opens the menu while the clock takes no clicks.
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(app_->FirstClock().ControlMenu().IsVisible());
    SendMessageA(app_->FirstClock().ControlMenu().Window(), WM_CLOSE, 0, 0);
    // Hidden in the tray and brought back, it still lets clicks through.
    SendMessageA(ClockHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 100));
    ASSERT_FALSE(IsWindowVisible(ClockHwnd()));
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
    EXPECT_NE(GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    DestroyWindow(below);
    UnregisterClassA(paper.lpszClassName, paper.hInstance);
}

// Chosen in the face window, the three are stored under the program's subkey at STOP, none of
// them in the clock's key, and the next start has them.
TEST_F(OverlayTest, TheChoicesAreStoredUnderTheSubkeyAndKeptByARestart) {
    Start();
    TableDialog& face = static_cast<TableDialog&>(app_->FirstClock().Dialog(DialogId::Face));
    face.Show();
    Pump();
    for (FaceControl box : {FaceControl::ClickThrough, FaceControl::HideForFullScreen})
        SendMessageA(face.Control(IdOf(box)), BM_CLICK, 0, 0);
    SetWindowTextA(face.Control(IdOf(FaceControl::Opacity)), "60");
    Pump();
    EXPECT_EQ(GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT),
              WS_EX_LAYERED | WS_EX_TRANSPARENT)
        << "at once";
    Stop();
    app_.reset();
    Win32Registry program(kProgramKeyPath);
    EXPECT_EQ(program.ReadValue("ClickThrough").text, "true");
    EXPECT_EQ(program.ReadValue("Opacity").text, "60");
    EXPECT_EQ(program.ReadValue("HideForFullScreen").text, "true");
    for (const char* own : {"ClickThrough", "Opacity", "HideForFullScreen"})
        EXPECT_EQ(Stored(own), "<missing>") << own << " is not the clock's";

    Start();
    EXPECT_EQ(GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT),
              WS_EX_LAYERED | WS_EX_TRANSPARENT);
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(ClockHwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 153) << "60 per cent";
}

// Run by the test below in a process of its own: another program's borderless window over the
// whole main monitor, in front, until the test says it is gone.
TEST(OverlayHelper, FullScreen) {
    if (!std::getenv(kHelperVariable)) GTEST_SKIP() << "run by the full-screen test";
    HWND screen = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(screen);
    const ScopedHandle gone(OpenEventA(SYNCHRONIZE, FALSE, kGoneEvent));
    const HANDLE events[] = {gone.Get()};
    while (gone &&
           MsgWaitForMultipleObjects(1, events, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    DestroyWindow(screen);
}

TEST_F(OverlayTest, AFullScreenProgramHidesTheClockWhichRingsOnAndComesBackWhereItWas) {
    if (std::getenv(kHelperVariable)) GTEST_SKIP() << "the helper only";
    Store("Alarm1", "true");
    Store("A1H", "10");
    Store("A1M", "16");
    Store("A1Str", "wake.wav");
    Win32Registry(kProgramKeyPath).WriteValue("HideForFullScreen", "true");
    Start();
    RecordingPlayer player;
    Clock().Bell().UsePlayer(player);
    Wait(300);
    const RECT before = WindowRect(ClockHwnd());

    const ScopedHandle gone(CreateEventA(nullptr, TRUE, FALSE, kGoneEvent));
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    SetEnvironmentVariableA(kHelperVariable, "1");
    const ScopedHandle helper =
        StartProgram(std::string("\"") + self + "\" --gtest_filter=OverlayHelper.FullScreen");
    SetEnvironmentVariableA(kHelperVariable, nullptr);
    ASSERT_TRUE(helper);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(ClockHwnd()); }, 5000)) << "hidden";
    time_.time.minute = 16;  // the alarm's minute, while the clock is hidden for the full screen
    Wait(600);
    EXPECT_EQ(player.played.size(), 1u) << "its alarm still rings";

    SetEvent(gone.Get());
    WaitForSingleObject(helper.Get(), 10000);
    const DWORD start = GetTickCount();
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(ClockHwnd()) != FALSE; }, 3000));
    EXPECT_LE(GetTickCount() - start, 1200u) << "within a second of the window going";
    const RECT after = WindowRect(ClockHwnd());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

}  // namespace
}  // namespace marvix
