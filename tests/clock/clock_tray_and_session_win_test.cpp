// The clock beside the desktop under Wine: the tray icon and its tip, the taskbar button, the end
// of a session, and the fonts it keeps for the user.
#include <windows.h>

#include "../support/clock_fixture_win.h"

namespace marvix {
namespace {

using ClockWindowTest = ClockFixture;

// As Windows' own clock is read from the notification area: the tip starts with the time and
// date, and turns with the minute even while the clock, hidden in the tray, does not tick.
TEST_F(ClockWindowTest, TheTrayTipStartsWithTheTimeAndDateAndTurnsWithTheMinute) {
    Store("Tray", "true");
    Start();
    const std::string help = "\nPress left mouse to show clock, right for menu.";
    EXPECT_EQ(Clock().Tray().Tip(), "10:15, Monday 7 December 2026" + help);
    time_.time.second = 59;
    Clock().Ticker().RunChores({});
    EXPECT_EQ(Clock().Tray().Tip(), "10:15, Monday 7 December 2026" + help);
    time_.time.minute = 16;
    time_.time.second = 0;
    Clock().Ticker().RunChores({});
    EXPECT_EQ(Clock().Tray().Tip(), "10:16, Monday 7 December 2026" + help);
}

// The tip tells the alarm as it settles, as the save writes it: never one halfway typed (an hour
// passing through "1" on its way to "11").
TEST_F(ClockWindowTest, TheTrayTipTellsAnAlarmOnlyOnceItHasSettled) {
    Store("Alarm1", "true");
    Store("A1H", "7");
    Store("A1M", "30");
    Start();
    const auto tip = [&] { return std::string(Clock().Tray().Tip()); };
    EXPECT_NE(tip().find("10:15, Monday 7 December 2026, alarm at 7:30"), std::string::npos)
        << tip();
    Clock().Parts().model.Edit().A1H = 1;
    time_.time.minute = 16;
    Clock().Ticker().RunChores({});
    EXPECT_NE(tip().find("10:16, Monday 7 December 2026, alarm at 7:30"), std::string::npos)
        << "the minute turns; the alarm is still being typed: " << tip();
    Clock().Parts().model.Edit().A1H = 11;
    for (int check = 0; check < SettledSave::kSettledChecks + 1; ++check)
        Clock().Ticker().RunChores({});
    EXPECT_NE(tip().find("10:16, Monday 7 December 2026, alarm at 11:30"), std::string::npos)
        << "settled: " << tip();
}

TEST_F(ClockWindowTest, HideMeTakesAwayTheTaskbarButtonAtTheFirstActivation) {
    Start();
    EXPECT_TRUE(IsWindowVisible(app_->Owner()));
    app_.reset();
    Store("HideMe", "true");
    Start();
    EXPECT_FALSE(IsWindowVisible(app_->Owner()));
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
}

// Logging off or shutting down ends the process without destroying its windows.
TEST_F(ClockWindowTest, EndOfSessionSavesTheSettings) {
    Start();
    Clock().Parts().model.Edit().CShape = 2;
    SendMessageA(ClockHwnd(), WM_QUERYENDSESSION, 0, 0);
    EXPECT_EQ(Stored("CShape"), "<missing>");
    SendMessageA(ClockHwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(Stored("CShape"), "2");
}

// When Explorer restarts it forgets every tray icon and asks the programs for them again.
TEST_F(ClockWindowTest, TheTrayIconComesBackWhenTheShellRestarts) {
    Start();
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = ClockHwnd();
    icon.uID = TrayIcon::kIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    ASSERT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon));
    SendMessageA(ClockHwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon));
}

TEST_F(ClockWindowTest, ALongFontNameIsAppliedCutAndKeptWhole) {
    const std::string forty = "Courier New Courier New Courier New 1234";
    ASSERT_EQ(forty.size(), 40u);
    Store("DFont1", forty);
    Store("FSize1", "14");
    Store("FStyle1", "bi");
    Store("CFont1", "clRed");
    Start();
    const Font& font = Clock().Model().Live().displays.fonts[0];
    EXPECT_EQ(font.face, forty.substr(0, 31));
    EXPECT_EQ(font.pointSize, 14);
    EXPECT_EQ(font.style, FontStyle{FontStyle::kBold | FontStyle::kItalic});
    EXPECT_EQ(font.colour, Colour::Rgb(255, 0, 0));
    Stop();
    EXPECT_EQ(Stored("DFont1"), forty);
}

// The fonts are read at the first activation. A clock that starts in the tray and is stopped
// from the tray menu is never activated: its exit save must not write blanks over the fonts.
TEST_F(ClockWindowTest, FontsNeverReadAreWrittenBackAsStored) {
    Store("Tray", "true");
    Store("FacePos", "5");  // no z-position call, which would activate the window
    Store("DFont3", "Arial");
    Store("FSize3", "14");
    Store("FStyle3", "b");
    Store("CFont3", "clRed");
    Start();
    ASSERT_FALSE(Clock().WasActivated());
    Stop();
    EXPECT_EQ(Stored("DFont3"), "Arial");
    EXPECT_EQ(Stored("FSize3"), "14");
    EXPECT_EQ(Stored("FStyle3"), "b");
    EXPECT_EQ(Stored("CFont3"), "clRed");
    EXPECT_EQ(Stored("FSize1"), "8");
    EXPECT_EQ(Stored("CFont1"), "clBlack");
}

}  // namespace
}  // namespace marvix
