#pragma once

// What the program's own small windows (the control menu, the exit confirmation) may ask of it:
// the things a user starts from them, which the settings windows are not offered.

#include "windows/settings_window_host_win.h"

namespace marvix {

class ProgramCommands {
public:
    virtual void ShowSettingsWindow(DialogId id) = 0;
    // The help at its contents.
    virtual void ShowHelp() = 0;
    // The window that lists every clock.
    virtual void ShowClocks() = 0;
    // The window of the program's timers and stopwatch.
    virtual void ShowTimers() = 0;
    // The calendar, in the clock's zone.
    virtual void ShowCalendar() = 0;
    // Ends the program; the clock window's destruction saves the settings.
    virtual void Terminate() = 0;

protected:
    ~ProgramCommands() = default;
};

}  // namespace marvix
