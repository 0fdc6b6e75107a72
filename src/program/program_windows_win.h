#pragma once

// The program's own windows, which every clock shares: the help, the clocks window and the
// calendar, each made when first wanted, and the clock they were last opened from, beside which
// they come up (clear of its menu and its windows) and for which the calendar shows its zone. It
// is their host too: the program's owner, fonts and keyboard routing.

#include <windows.h>

#include <memory>
#include <optional>
#include <span>

#include "base/geometry.h"
#include "clock/program_host_win.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class CalendarWindow;
class ClockBook;
class ClockList;
class ClocksWindow;
class HelpWindow;
class TimersRoom;

class ProgramWindows final : public SettingsWindowHost {
public:
    // `timers` may still be being made: it is only reached when a window is shown.
    ProgramWindows(ProgramHost& program, ClockList& clocks, ClockBook& book, TimersRoom& timers);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // The clock the windows were last opened from, or the first clock once that one is gone:
    // "Add…" copies it, and the windows come up beside it.
    ClockHost& OpenedFrom() const;
    void Show(ProgramHost::Window window, ClockHost& clock);
    // The help at its contents, beside `clock` and clear of `clearOf`.
    void ShowHelp(const Rect& clock, std::span<const Rect> clearOf);
    // The help at the topic of `window` (where F1 was pressed), beside it and clear of its clock.
    void ShowHelpFor(HWND window);
    // Clocks came or went: the clocks window lists the live ones.
    void ClocksChanged();
    // `gone` is let go: the windows are no longer opened from it.
    void Forget(const ClockHost& gone) {
        if (openedFrom_ == &gone) openedFrom_ = nullptr;
    }
    // Where the clocks window stands, when it shows.
    std::optional<Rect> ClocksWindowFrame() const;
    // Every window destroyed, before the clocks go.
    void CloseAll();

    HelpWindow& Help() { return *help_; }
    ClocksWindow& ClocksList();
    CalendarWindow& Calendar();

    // SettingsWindowHost, for these windows and the Timers window
    HINSTANCE Instance() const override { return program_.Instance(); }
    HWND Owner() const override { return program_.Owner(); }
    HFONT DialogFont(int dpi, bool bold) override { return program_.DialogFont(dpi, bold); }
    void SetActiveDialog(HWND dialog) override { program_.SetActiveDialog(dialog); }
    ClockParts& Parts() override;
    std::optional<Rect> MenuFrame() const override;
    std::vector<Rect> OpenSettingsFrames() const override;

private:
    ProgramHost& program_;
    ClockList& clocks_;
    ClockBook& book_;
    TimersRoom& timers_;
    ClockHost* openedFrom_ = nullptr;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<ClocksWindow> clocksWindow_;
    std::unique_ptr<CalendarWindow> calendar_;
};

}  // namespace marvix
