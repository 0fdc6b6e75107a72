#pragma once

// What one clock asks of the program that holds every clock: the program's windows and fonts,
// the keyboard routing, the help, and what happens when a clock stops.

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "frame/tick_schedule.h"

namespace marvix {

class ClockHost;

class ProgramHost {
public:
    virtual HINSTANCE Instance() const = 0;
    // The window that owns every window of the program (and carries its taskbar button).
    virtual HWND Owner() const = 0;
    virtual HFONT DialogFont(int dpi, bool bold) = 0;
    virtual void SetActiveDialog(HWND dialog) = 0;
    virtual void ShowTaskbarButton(bool show) = 0;
    // The help at its contents, beside `clock` and clear of `clearOf`.
    virtual void ShowHelp(const Rect& clock, std::span<const Rect> clearOf) = 0;
    // "STOP" on the first clock: every clock saved, and the program ends.
    virtual void StopProgram() = 0;
    // The clock's window is gone: removed by the user, or closed by the system.
    virtual void ClockGone(ClockHost& clock) = 0;
    // A clock's words changed: the tray's tip lists every clock.
    virtual void ReadingsChanged() = 0;
    // Where the other clocks than `clock` are on the screen: its windows keep clear of them too.
    virtual std::vector<Rect> OtherClockFrames(const ClockHost& clock) const = 0;
    // Every clock hidden in the tray shown again (the tray icon was pressed).
    virtual void ShowClocksFromTray() = 0;
    // The tray icon's right button: the one clock's menu, or, with several, a menu of the clocks
    // that opens the chosen one's (out of the tray if it hid there). `icon` is the icon's window.
    virtual void ChooseClockFromTray(HWND icon) = 0;
    // A message shown once the current handler is done (a tick must not wait on a message box).
    virtual void TellLater(std::string text) = 0;
    // One of the program's own windows, beside `clock`: the one that lists the clocks, or the
    // timers (whose new timers show on `clock`), or the calendar (in `clock`'s zone).
    enum class Window { Clocks, Timers, Calendar };
    virtual void ShowProgramWindow(Window window, ClockHost& clock) = 0;
    // The program's one timer, which every clock's tick rides on.
    virtual Heartbeat& Beat() = 0;
    // An alarm changed on some clock: the computer's wake is planned again.
    virtual void AlarmsChanged() = 0;
    // Why this computer cannot wake itself for alarms; nullopt when it can, or was never asked.
    virtual std::optional<std::string> CannotWake() const = 0;

protected:
    ~ProgramHost() = default;
};

}  // namespace marvix
