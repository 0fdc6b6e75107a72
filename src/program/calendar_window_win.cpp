#include "program/calendar_window_win.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

#include "base/system_time_win.h"
#include "clock/clock_host_win.h"
#include "program/program_timers_win.h"
#include "sound/alarm_wake.h"
#include "windows/accessible_win.h"
#include "windows/control_hook_win.h"
#include "windows/scaled_controls_win.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    .className = "MarvixCalendar", .caption = "Calendar", .client = {560, 200}, .background = kWindowPurple,
    .position = {0, 0}, .centred = false, .fontKinds = kLabels | kCheckBoxes,
    .clamp = Clamp::OnActivation, .createOnActivation = false, .besideClock = true,
};
// clang-format on

constexpr int kMargin = 8;  // at 96 pixels per inch
constexpr int kLineHeight = 20;
constexpr int kMonthsShown = 3;
// The month calendar asks for no more than a month's width; months side by side need a gap.
constexpr int kMonthGap = 12;

// The date the calendar gives, its day of the week worked out (the control may not have set it).
LocalTime DateOf(const SYSTEMTIME& st) {
    return {st.wYear, st.wMonth, st.wDay, DayOfWeek(st.wYear, st.wMonth, st.wDay)};
}

// The user region's first day of the week, as the month calendar counts it (0 Monday).
int RegionsFirstDay() {
    char text[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, text, sizeof text);
    return text[0] >= '0' && text[0] <= '6' ? text[0] - '0' : 0;
}

// Whether the region numbers its weeks as ISO 8601 does: week 1 holds the year's first Thursday.
bool RegionNumbersWeeksByIso() {
    char text[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IFIRSTWEEKOFYEAR, text, sizeof text);
    return text[0] == '2';
}

}  // namespace

CalendarWindow::CalendarWindow(SettingsWindowHost& host, ProgramTimers& timers,
                               std::function<ClockHost&()> clock)
    : SettingsDialog(host, kLayout), timers_(timers), clock_(std::move(clock)) {}

void CalendarWindow::CreateControlsForShowing() {
    EnsureCommonControls();
    months_ = Controls().Add(kLabels, MONTHCAL_CLASSA, "",
                             WS_TABSTOP | WS_BORDER | MCS_WEEKNUMBERS | MCS_DAYSTATE,
                             {kMargin, kMargin, 552, 170}, kMonths);
    Controls().Add(kLabels, "STATIC", "", SS_LEFT | SS_NOPREFIX, {kMargin, 176, 440, 192}, kChosen);
    Controls().Add(kCheckBoxes, "BUTTON", "&ISO weeks", BS_AUTOCHECKBOX | WS_TABSTOP,
                   {450, 175, 552, 192}, kIsoWeeks);
    if (!months_) return;
    Controls().ApplyFont(kLayout.fontKinds, Font());
    // The arrows are the calendar's, not the dialog's way between controls.
    HookControl(months_, "calendar keys",
                [this](HWND, UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
                    if (message == WM_GETDLGCODE) return DLGC_WANTARROWS;
                    if (message == WM_KEYDOWN && KeyPressed(wParam)) return 0;
                    return std::nullopt;
                });
    // Widened, it shows more months.
    SetWindowLongA(Window(), GWL_STYLE, GetWindowLongA(Window(), GWL_STYLE) | WS_THICKFRAME);
    ShowWeeks();
    FitThreeMonths();
    ShowSettings();
}

// Three months side by side; on a monitor too narrow for them, as many across as fit and the rest
// below, so that the window fits the monitor the clock is on.
void CalendarWindow::FitThreeMonths() {
    RECT least{};
    SendMessageA(months_, MCM_GETMINREQRECT, 0, LPARAM(&least));
    const SIZE oneMonth{least.right - least.left, least.bottom - least.top};
    const int dpi = Dpi();
    const int gap = AtDpi(kMonthGap, dpi);
    // The calendar's border is outside the size it asks for; the line goes under it.
    const int border = 2 * GetSystemMetrics(SM_CXBORDER);
    const int aroundX = border + 2 * AtDpi(kMargin, dpi);
    const int aroundY = border + AtDpi(3 * kMargin + kLineHeight, dpi);
    const Rect clock = host_.Parts().place.Frame();
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoA(MonitorFromPoint({clock.left, clock.top}, MONITOR_DEFAULTTONEAREST), &monitor);
    const auto windowSize = [&](int across, int down) {
        RECT client{0, 0, across * oneMonth.cx + (across - 1) * gap + aroundX,
                    down * oneMonth.cy + (down - 1) * gap + aroundY};
        AdjustWindowRectEx(&client, DWORD(GetWindowLongA(Window(), GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongA(Window(), GWL_EXSTYLE)));
        return SIZE{client.right - client.left, client.bottom - client.top};
    };
    int across = kMonthsShown;
    while (across > 1 && windowSize(across, 1).cx > monitor.rcWork.right - monitor.rcWork.left)
        --across;
    least_ = windowSize(across, (kMonthsShown + across - 1) / across);
    SetWindowPos(Window(), nullptr, 0, 0, least_.cx, least_.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    LayOut();
}

// The calendar takes the window but for the line under it: widened, it shows more months.
void CalendarWindow::LayOut() {
    if (!months_) return;
    RECT client;
    GetClientRect(Window(), &client);
    const int dpi = Dpi();
    const int margin = AtDpi(kMargin, dpi), line = AtDpi(kLineHeight, dpi);
    const int lineTop = client.bottom - margin - line;
    MoveWindow(months_, margin, margin, client.right - 2 * margin, lineTop - 2 * margin, TRUE);
    const int boxWidth = AtDpi(100, dpi);
    MoveWindow(GetDlgItem(Window(), kChosen), margin, lineTop + AtDpi(3, dpi),
               client.right - 3 * margin - boxWidth, line, TRUE);
    MoveWindow(GetDlgItem(Window(), kIsoWeeks), client.right - margin - boxWidth, lineTop, boxWidth,
               line, TRUE);
    MarkBoldDays();
}

LocalTime CalendarWindow::Today() const {
    const LocalTime now = clock_().Time().Now();
    return {now.year, now.month, now.day, now.dayOfWeek};
}

void CalendarWindow::ShowSettings() {
    if (!months_) return;
    const LocalTime today = Today();
    SYSTEMTIME shownToday = ToSystemTime(today);
    SendMessageA(months_, MCM_SETTODAY, 0, LPARAM(&shownToday));
    // The month before first: chosen, it is shown first; today is then within the months shown.
    SYSTEMTIME before = ToSystemTime(AddMonths({today.year, today.month, 1, 1}, -1));
    SendMessageA(months_, MCM_SETCURSEL, 0, LPARAM(&before));
    SendMessageA(GetDlgItem(Window(), kIsoWeeks), BM_SETCHECK,
                 Settings().IsoWeeks ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowWeeks();
    Choose(today);
}

LocalTime CalendarWindow::Chosen() const {
    SYSTEMTIME chosen{};
    SendMessageA(months_, MCM_GETCURSEL, 0, LPARAM(&chosen));
    return DateOf(chosen);
}

void CalendarWindow::Choose(const LocalTime& date) {
    SYSTEMTIME st = ToSystemTime(date);
    SendMessageA(months_, MCM_SETCURSEL, 0, LPARAM(&st));
    MarkBoldDays();  // a move to another month may have shown new months
    ShowChosen();
}

// "Thursday, December 31, 2026, week 53", in the user's words for dates.
void CalendarWindow::ShowChosen() {
    const LocalTime date = Chosen();
    const SYSTEMTIME st = ToSystemTime(date);
    char words[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, nullptr, words, sizeof words);
    const std::string line =
        std::string(words) + ", week " + std::to_string(IsoWeek(date.year, date.month, date.day));
    SetWindowTextA(GetDlgItem(Window(), kChosen), line.c_str());
    DescribeControl(months_, {.role = ROLE_SYSTEM_CLIENT, .name = "Calendar, " + line});
    AnnounceNameChange(months_);
}

bool CalendarWindow::KeyPressed(WPARAM key) {
    const LocalTime chosen = Chosen();
    const auto days = [&](int count) {
        return AddMilliseconds(chosen, count * kMillisecondsPerDay);
    };
    switch (key) {
        case VK_LEFT: Choose(days(-1)); return true;
        case VK_RIGHT: Choose(days(1)); return true;
        case VK_UP: Choose(days(-7)); return true;
        case VK_DOWN: Choose(days(7)); return true;
        case VK_PRIOR: Choose(AddMonths(chosen, -1)); return true;
        case VK_NEXT: Choose(AddMonths(chosen, 1)); return true;
        case VK_HOME: Choose(Today()); return true;
        default: return false;
    }
}

// ISO weeks begin on Monday. Where the region numbers weeks another way, the calendar's own
// numbers are not shown with them, as they would contradict the line's.
void CalendarWindow::ShowWeeks() {
    const bool iso = Settings().IsoWeeks;
    SendMessageA(months_, MCM_SETFIRSTDAYOFWEEK, 0, iso ? 0 : RegionsFirstDay());
    const LONG style = GetWindowLongA(months_, GWL_STYLE);
    const LONG wanted =
        iso && !RegionNumbersWeeksByIso() ? style & ~MCS_WEEKNUMBERS : style | MCS_WEEKNUMBERS;
    if (wanted != style) SetWindowLongA(months_, GWL_STYLE, wanted);
}

uint32_t CalendarWindow::BoldDays(int year, int month) {
    ClockHost& clock = clock_();
    uint32_t days = AlarmDaysOfMonth(clock.Model().Settings(), year, month);
    const LocalTime now = clock.Time().Now();
    const int64_t nowMs = clock.Time().UniversalOf(now);
    for (const Timer& timer : timers_.Book().All()) {
        if (timer.countdown.State() != TimerState::Running) continue;
        const LocalTime ends = AddMilliseconds(now, timer.countdown.Run().endsMs - nowMs);
        if (ends.year == year && ends.month == month) days |= 1u << (ends.day - 1);
    }
    return days;
}

// Into `states`, the bold days of the months from `first`'s on, one a month.
void CalendarWindow::FillBoldDays(const SYSTEMTIME& first, std::span<MONTHDAYSTATE> states) {
    LocalTime month{first.wYear, first.wMonth, 1, 1};
    for (MONTHDAYSTATE& days : states) {
        days = BoldDays(month.year, month.month);
        month = AddMonths(month, 1);
    }
}

// Every month the calendar shows, the partly shown ones before and after included.
void CalendarWindow::MarkBoldDays() {
    if (!months_) return;
    std::array<SYSTEMTIME, 2> range{};
    const int count =
        int(SendMessageA(months_, MCM_GETMONTHRANGE, GMR_DAYSTATE, LPARAM(range.data())));
    if (count <= 0 || count > int(requested_.size())) return;
    decltype(requested_) states{};
    FillBoldDays(range[0], std::span(states).first(size_t(count)));
    SendMessageA(months_, MCM_SETDAYSTATE, WPARAM(count), LPARAM(states.data()));
}

bool CalendarWindow::OnCommand(int id, int notification) {
    if (id != kIsoWeeks || notification != BN_CLICKED) return false;
    ChangeSettings().IsoWeeks =
        SendMessageA(GetDlgItem(Window(), kIsoWeeks), BM_GETCHECK, 0, 0) == BST_CHECKED;
    ShowWeeks();
    ShowChosen();
    return true;
}

LRESULT CalendarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: LayOut(); return 0;
        case WM_GETMINMAXINFO:
            if (least_.cx) {
                auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
                limits.ptMinTrackSize = {least_.cx, least_.cy};
            }
            return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom != months_) break;
            if (header.code == MCN_GETDAYSTATE) {
                // The states go in a buffer of ours, which the calendar reads at once.
                auto& request = *reinterpret_cast<NMDAYSTATE*>(lParam);
                const int count = std::min(request.cDayState, int(requested_.size()));
                FillBoldDays(request.stStart, std::span(requested_).first(size_t(count)));
                request.cDayState = count;
                request.prgDayState = requested_.data();
                return 0;
            }
            if (header.code == MCN_SELCHANGE) ShowChosen();
            return 0;
        }
        case WM_DPICHANGED: {
            const LRESULT result = SettingsDialog::HandleMessage(message, wParam, lParam);
            if (months_) FitThreeMonths();
            return result;
        }
        default: break;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
