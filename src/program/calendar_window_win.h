#pragma once

// The calendar ("Calendar", class MarvixCalendar), beside the clock it was opened from: the
// system's month calendar showing last, this and next month in that clock's zone (more as the
// window is widened), with week numbers and today, and in bold the days an alarm of the clock or
// a running timer falls on. The keys Wine's month calendar lacks are the window's own, the same
// on Windows: the arrows move a day or a week, Page Up and Page Down a month, Home goes to today,
// Escape closes. The line under it says the date chosen and, by ISO 8601, its week; a screen
// reader is told it with each move.

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <functional>
#include <span>

#include "base/local_time.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

class ClockHost;
class ProgramTimers;

class CalendarWindow final : public SettingsDialog {
public:
    CalendarWindow(SettingsWindowHost& host, ProgramTimers& timers,
                   std::function<ClockHost&()> clock);

    enum ControlId { kMonths = 501, kChosen, kIsoWeeks };

    // Today in the clock's zone, chosen, with the month before it first.
    void ShowSettings() override;
    // The date chosen.
    LocalTime Chosen() const;

protected:
    void CreateControlsForShowing() override;
    bool OnCommand(int id, int notification) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The window sized to three months at the calendar's font, and the calendar to the window.
    void FitThreeMonths();
    void LayOut();
    void Choose(const LocalTime& date);
    void ShowChosen();
    bool KeyPressed(WPARAM key);
    // Monday first and the line's week by ISO 8601, or the first day as the user's region has it.
    void ShowWeeks();
    LocalTime Today() const;
    void MarkBoldDays();
    void FillBoldDays(const SYSTEMTIME& first, std::span<MONTHDAYSTATE> states);
    uint32_t BoldDays(int year, int month);

    ProgramTimers& timers_;
    std::function<ClockHost&()> clock_;
    HWND months_ = nullptr;
    SIZE least_{};                               // the window's least size, for three months
    std::array<MONTHDAYSTATE, 24> requested_{};  // the bold days the calendar asked for
};

}  // namespace marvix
