#pragma once

// What the clock window asks of the program that owns it, and nothing more: the clock knows the
// program's windows only through these few calls.

#include <windows.h>

#include "frame/clock_reading.h"

namespace marvix {

class ClockOwner {
public:
    virtual HINSTANCE Instance() const = 0;
    // The owner window, which carries the taskbar button.
    virtual HWND Owner() const = 0;
    // HideMe: the taskbar button shown or taken away.
    virtual void ShowTaskbarButton(bool show) = 0;
    // The right button on the clock, or its keys.
    virtual void ShowMenuOrExitConfirmation() = 0;
    // The key C on the clock: the calendar in its zone.
    virtual void ShowCalendar() = 0;
    // The right button on the tray icon, which serves every clock: `icon` is its window.
    virtual void TrayMenuWanted(HWND icon) = 0;
    // After a configuration file is loaded: every open settings window shows the new values, and
    // any the clock, moved to the file's place, now stands on moves beside it again.
    virtual void ConfigurationLoaded() = 0;
    // After a frame or a move: open settings windows show what the clock has just changed.
    virtual void ShowLiveValues() = 0;
    // The alarm window, showing what the bell rings for, or hidden.
    virtual void ShowAlarm(const AlarmNotice& notice, bool canSnooze) = 0;
    virtual void HideAlarm() = 0;
    // The clock window is gone.
    virtual void ClockDestroyed() = 0;
    // The clock in words changed (see ClockInWords).
    virtual void ReadingChanged() = 0;
    // The left button on the tray icon brought this clock back.
    virtual void TrayIconPressed() = 0;

protected:
    ~ClockOwner() = default;
};

}  // namespace marvix
