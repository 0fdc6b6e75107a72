#pragma once

// The program's one waitable timer that wakes the computer for the soonest alarm or timer that
// should: set with the resume flag at an absolute universal time, and what Windows answered,
// with this computer's power capabilities and its plan's "Allow wake timers" (see WakeFacts).

#include <windows.h>

#include <cstdint>

#include "base/scoped_handles_win.h"
#include "sound/wake_support.h"

namespace marvix {

class WakeTimer {
public:
    WakeTimer();

    // Set for `dueMs` (milliseconds since 1970, universal time); what it found of waking.
    WakeFacts SetFor(int64_t dueMs);
    void Cancel();
    // What this thread asks Windows to keep on until asked again: the system (it does not sleep),
    // the display, both or neither.
    static void KeepOn(bool system, bool display);

private:
    ScopedHandle timer_;
};

}  // namespace marvix
