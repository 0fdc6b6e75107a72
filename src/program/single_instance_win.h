#pragma once

// One clock per user session. The first start holds a named mutex in the session's namespace; a
// later start finds it held, asks the running clock to come forward and ends, before it reads or
// writes a setting. The system lets go of the mutex when the process that holds it ends, however
// it ends, so a clock that crashed never keeps the next one from starting.

#include <windows.h>

#include <string>

#include "base/scoped_handles_win.h"

namespace marvix {

// The message a later start posts to the running program's owner window: the clock comes out of
// the tray if it is there, and to the front. Registered by name, so only the clock knows it.
UINT ShowClockMessage();
// The message an installer or uninstaller posts there to end the running clock as "STOP" does,
// so that it saves its settings before its files are replaced or removed.
UINT StopClockMessage();

// WM_COPYDATA's tag for a later start's command line, sent to the running program's owner window.
inline constexpr ULONG_PTR kCommandLineData = 0x4D617278;  // "Marx"

class SingleClock {
public:
    static constexpr char kMutexName[] = "Local\\Marvix.Clock";

    // Takes the session's clock mutex, or learns that another clock holds it.
    SingleClock();
    bool IsFirst() const { return first_; }
    // From a later start: the running clock is asked to come forward.
    static void BringRunningClockForward();
    // From a later start: the running program is handed `arguments`, a command line it
    // understands; whether it took them.
    static bool HandOver(const std::string& arguments);

private:
    ScopedHandle mutex_;
    bool first_ = true;
};

}  // namespace marvix
