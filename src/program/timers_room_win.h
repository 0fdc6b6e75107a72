#pragma once

// The program's timers, their keys for every program, the computer's wake for them and for the
// clocks' alarms, and the window that shows them, made when first wanted.

#include <functional>
#include <memory>

#include "base/message_seam_win.h"
#include "program/program_timers_win.h"
#include "program/program_wake_win.h"
#include "program/timer_hotkeys_win.h"
#include "program/timers_window_win.h"

namespace marvix {

class TimersRoom {
public:
    TimersRoom(Heartbeat& heartbeat, TimeSource& computer, ClockBook& clocks,
               SettingsWindowHost& windowsHost, std::function<int()> openedFrom,
               std::function<void()> showTip)
        : timers_(heartbeat, computer, clocks, std::move(showTip)),
          wake_(heartbeat, clocks, timers_),
          windowsHost_(windowsHost),
          openedFrom_(std::move(openedFrom)) {}

    ProgramTimers& Timers() { return timers_; }
    TimerHotkeys& Hotkeys() { return hotkeys_; }
    ProgramWake& Wake() { return wake_; }
    const ProgramWake& Wake() const { return wake_; }
    TimersWindow& Window() {
        if (!window_) {
            window_ = std::make_unique<TimersWindow>(windowsHost_, timers_, hotkeys_, openedFrom_);
            if (!window_->Create()) ReportFailureOnce("Cannot create the Timers window.");
        }
        return *window_;
    }

private:
    ProgramTimers timers_;
    ProgramWake wake_;
    TimerHotkeys hotkeys_;
    SettingsWindowHost& windowsHost_;
    std::function<int()> openedFrom_;
    // Before the timers go: it shows them.
    std::unique_ptr<TimersWindow> window_;
};

}  // namespace marvix
