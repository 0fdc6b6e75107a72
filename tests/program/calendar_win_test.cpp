// The calendar as a user meets it: opened from the control menu and by a key on the clock, and
// moved through by keys that Wine's month calendar lacks.
#include "../support/clock_fixture_win.h"

#include <commctrl.h>

#include "base/system_time_win.h"
#include "clock/control_menu_win.h"
#include "program/calendar_window_win.h"
#include "program/program_timers_win.h"
#include "windows/dialog_layout_win.h"

namespace marvix {
namespace {

class CalendarTest : public ClockFixture {};

// The test's clock stands at Monday 7 December 2026: the calendar shows November to January with
// week numbers, today chosen; the arrows, Page Down and Home move the chosen day, the line under
// the months saying it with its ISO week; ISO weeks start on Monday; the alarms' days and a timer's
// end are bold; Escape closes it and C on the clock opens it again.
TEST_F(CalendarTest, ItsPanelAndTheKeyCShowThreeMonthsAndTheKeysMoveTheDay) {
    Start();
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kCalendar);
    CalendarWindow& calendar = app_->Windows().Calendar();
    ASSERT_TRUE(calendar.IsVisible());
    HWND months = GetDlgItem(calendar.Window(), CalendarWindow::kMonths);
    EXPECT_TRUE(GetWindowLongA(months, GWL_STYLE) & MCS_WEEKNUMBERS);
    SYSTEMTIME shown[2]{};
    SendMessageA(months, MCM_GETMONTHRANGE, GMR_VISIBLE, LPARAM(shown));
    const auto date = [](int year, int month, int day) { return year * 10000 + month * 100 + day; };
    EXPECT_EQ(date(shown[0].wYear, shown[0].wMonth, shown[0].wDay), 20261101);
    EXPECT_EQ(date(shown[1].wYear, shown[1].wMonth, shown[1].wDay), 20270131);
    const auto chosen = [&] {
        return date(calendar.Chosen().year, calendar.Chosen().month, calendar.Chosen().day);
    };
    EXPECT_EQ(chosen(), 20261207);

    SetFocus(months);
    const struct {
        WPARAM key;
        int date;
    } moves[] = {{VK_RIGHT, 20261208}, {VK_DOWN, 20261215}, {VK_NEXT, 20270115},
                 {VK_LEFT, 20270114},  {VK_UP, 20270107},   {VK_PRIOR, 20261207}};
    for (const auto& move : moves) {
        PressKey(move.key);
        EXPECT_EQ(chosen(), move.date) << move.key;
    }
    PressKey(VK_NEXT);
    PressKey(VK_HOME);
    EXPECT_EQ(chosen(), 20261207) << "Home: today";
    const std::string line = WindowText(GetDlgItem(calendar.Window(), CalendarWindow::kChosen));
    EXPECT_NE(line.find("2026, week 50"), std::string::npos) << line;
    // ISO weeks start on Monday; Wine's en-US region numbers weeks otherwise, so its own numbers
    // go rather than contradict the line's.
    SendDlgItemMessageA(calendar.Window(), CalendarWindow::kIsoWeeks, BM_CLICK, 0, 0);
    EXPECT_TRUE(app_->FirstClock().Model().Settings().IsoWeeks);
    EXPECT_EQ(LOWORD(SendMessageA(months, MCM_GETFIRSTDAYOFWEEK, 0, 0)), 0) << "Monday";
    EXPECT_FALSE(GetWindowLongA(months, GWL_STYLE) & MCS_WEEKNUMBERS);

    // In bold, as the calendar asks: the days alarm 1 rings on (Mondays) and the day a running
    // timer of three days ends (Thursday the 10th).
    ClockSettings& s = app_->FirstClock().Model().Edit();
    s.Alarm1 = true, s.Alarm1Days = 1;
    app_->Timers().Timers().StartNew({.steps = {{"", 3 * 86'400}}}, {});
    NMDAYSTATE request{};
    request.nmhdr = {months, UINT_PTR(CalendarWindow::kMonths), MCN_GETDAYSTATE};
    request.stStart = ToSystemTime({2026, 12, 1, 3});
    request.cDayState = 1;
    SendMessageA(calendar.Window(), WM_NOTIFY, CalendarWindow::kMonths, LPARAM(&request));
    ASSERT_EQ(request.cDayState, 1);
    EXPECT_EQ(request.prgDayState[0], 1u << 6 | 1u << 9 | 1u << 13 | 1u << 20 | 1u << 27);

    PressKey(VK_ESCAPE);
    EXPECT_FALSE(calendar.IsVisible());
    SetFocus(ClockHwnd());
    PressKey('C');
    EXPECT_TRUE(calendar.IsVisible()) << "C on the clock";
}

}  // namespace
}  // namespace marvix
