#pragma once

// What the program's own small windows (the control menu, the exit confirmation) may ask of it:
// the things a user starts from them, which the settings windows are not offered.

#include "clock/program_host_win.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class ProgramCommands {
public:
    virtual void ShowSettingsWindow(DialogId id) = 0;
    // The help at its contents.
    virtual void ShowHelp() = 0;
    // One of the program's own windows, for this clock: the one that lists every clock, the
    // timers and stopwatch, or the calendar in the clock's zone.
    virtual void ShowProgramWindow(ProgramHost::Window window) = 0;
    // Ends the program; the clock window's destruction saves the settings.
    virtual void Terminate() = 0;

protected:
    ~ProgramCommands() = default;
};

}  // namespace marvix
