// The clock as a screen reader and a keyboard meet it: its accessible object read from another
// process, the name changes it announces, and the control menu driven by keys alone.
#include <oleacc.h>
#include <windows.h>

#include "../support/clock_fixture_win.h"
#include "../support/screen_reader_win.h"
#include "clock/control_menu_win.h"

namespace marvix {
namespace {

class ScreenReaderTest : public ClockFixture {
protected:
    ScreenReader reader_{[this] { Pump(); }};

    // The half-second check of a clock whose time has moved on to h:m:s.
    void CheckAt(uint16_t hour, uint16_t minute, uint16_t second) {
        time_.time.hour = hour;
        time_.time.minute = minute;
        time_.time.second = second;
        Clock().Ticker().RunChores({});
    }
    void FocusTheClock() {
        SetForegroundWindow(ClockHwnd());
        SetFocus(ClockHwnd());
        Pump();
    }
};

TEST_F(ScreenReaderTest, AnotherProcessReadsTheClockRoleAndTheTimeItShows) {
    Store("Alarm1", "true");
    Store("A1H", "7");
    Store("A1M", "30");
    Start();
    const auto read = reader_.RolesAndNames({ClockHwnd()});
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0],
              std::to_string(ROLE_SYSTEM_CLOCK) + "\t10:15, Monday 7 December 2026, alarm at 7:30");
    char caption[32] = {};
    GetWindowTextA(ClockHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Marvo");

    CheckAt(10, 16, 0);
    EXPECT_EQ(reader_.RolesAndNames({ClockHwnd()}).at(0),
              std::to_string(ROLE_SYSTEM_CLOCK) + "\t10:16, Monday 7 December 2026, alarm at 7:30");
}

// Once a minute, at the turn, and never at the half-second checks in between: a screen reader
// that speaks each change would otherwise talk all day.
TEST_F(ScreenReaderTest, OneNameChangeIsAnnouncedAtEachTurnOfTheMinute) {
    Start();
    ASSERT_TRUE(reader_.Listen(ClockHwnd()));
    for (uint16_t second = 30; second < 60; ++second) CheckAt(10, 15, second);
    EXPECT_EQ(reader_.NameChanges(300), 0u) << "no turn yet";
    CheckAt(10, 16, 0);
    EXPECT_EQ(reader_.NameChanges(500), 1u) << "the turn to 10:16";
    // Three minutes more, checked twice a second as the timer does.
    for (int half = 1; half < 6 * 60; ++half)
        CheckAt(10, uint16_t(16 + half / 120), uint16_t(half / 2 % 60));
    EXPECT_EQ(reader_.NameChanges(500), 3u) << "10:17, 10:18 and 10:19";

    // A new system time is announced at once.
    time_.time.hour = 14;
    SendMessageA(ClockHwnd(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(reader_.NameChanges(500), 4u);
}

TEST_F(ScreenReaderTest, ShiftF10ThenArrowsAndEnterOpenTheHandsWindowAndEscapeClosesTheMenu) {
    Start();
    FocusTheClock();
    WithKeyHeld(VK_SHIFT, [this] {
        PostMessageA(ClockHwnd(), WM_SYSKEYDOWN, VK_F10, 1);
        Pump();
    });
    ControlMenuWindow& menu = app_->FirstClock().ControlMenu();
    ASSERT_TRUE(menu.IsVisible()) << "Shift+F10 opens the menu";
    ASSERT_EQ(GetFocus(), GetDlgItem(menu.Window(), ControlMenuWindow::kFace));

    PressKey(VK_DOWN);
    EXPECT_EQ(GetFocus(), GetDlgItem(menu.Window(), ControlMenuWindow::kHands));
    PressKey(VK_RETURN);
    EXPECT_TRUE(app_->FirstClock().Dialog(DialogId::Hands).IsVisible())
        << "Enter on \"Hand Settings\"";
    app_->FirstClock().Dialog(DialogId::Hands).Hide();

    menu.Show();
    Pump();
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(menu.IsVisible());

    FocusTheClock();
    PressKey(VK_RETURN);
    EXPECT_TRUE(menu.IsVisible()) << "Enter on the clock opens it too";
    menu.Hide();
    FocusTheClock();
    PressKey(VK_APPS);
    EXPECT_TRUE(menu.IsVisible()) << "and so does the context-menu key";
}

// Each panel is a push button to a screen reader, named by its caption.
TEST_F(ScreenReaderTest, TheMenuPanelsArePushButtonsNamedByTheirCaptions) {
    Start();
    ControlMenuWindow& menu = app_->FirstClock().ControlMenu();
    menu.Show();
    Pump();
    const auto read = reader_.RolesAndNames({GetDlgItem(menu.Window(), ControlMenuWindow::kHands),
                                             GetDlgItem(menu.Window(), ControlMenuWindow::kStop)});
    const std::string button = std::to_string(ROLE_SYSTEM_PUSHBUTTON) + "\t";
    EXPECT_EQ(read, (std::vector<std::string>{button + "Hand Settings", button + "STOP"}));
}

}  // namespace
}  // namespace marvix
