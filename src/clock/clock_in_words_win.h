#pragma once

// The clock in words: what its tray tip says and what a screen reader hears the clock is (the
// window's accessible name), read from the settings as they last settled, so that an alarm
// halfway typed (its hour passing through 13 on the way to 21) is never told.

#include <windows.h>

#include <string>

#include "base/local_time.h"
#include "clock/clock_owner_win.h"
#include "frame/clock_model.h"

namespace marvix {

class ClockInWords {
public:
    ClockInWords(ClockOwner& owner, const ClockModel& model, TimeSource& clock)
        : owner_(owner), model_(model), clock_(clock) {}
    void Attach(HWND window) { window_ = window; }

    const std::string& Text() const { return reading_; }
    // Made anew when the minute turns (it is asked every half second), the time is set or the
    // settings have settled; a screen reader is told of each new reading. `anew`: read within
    // the minute last read too, as what it says of the settings, the bell or a pause changed.
    void Read(bool anew = false);
    // The settings have settled: the words are read from them from now on.
    void ReadFromSettled();
    // Hidden by a double-click, the clock says that it waits.
    void SetPaused(bool paused) { paused_ = paused; }

private:
    ClockOwner& owner_;
    const ClockModel& model_;
    TimeSource& clock_;
    HWND window_ = nullptr;
    bool paused_ = false;
    LocalTime readMinute_{0, 0, 0, 0, 0, 0, 0, 0};  // the minute last read
    std::string reading_;
    ClockSettings readFrom_;
};

}  // namespace marvix
