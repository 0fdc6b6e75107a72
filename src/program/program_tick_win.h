#pragma once

// The program's one timer. It wakes at the earliest moment any clock's tick is due, serves every
// clock due then, and runs the half-second chores (the colon blink, the settled save's check, the
// clock in words, the full-screen and monitor watches) for every clock at the wake nearest them.
// It looks at the monitors once a second for every clock: the look costs a fifth of a millisecond
// under Wine. Timers and wake-ups join it as clients of their own.

#include <windows.h>

#include <vector>

#include "frame/tick_schedule.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

class ProgramTick final : public Heartbeat {
public:
    static constexpr UINT_PTR kTimer = 1;

    // The timer is the owner window's: its WM_TIMER comes to Wake.
    void Attach(HWND owner);
    void Detach();
    void Wake();
    // The program's own message loop waits this long for a message, then calls WakeFromLoop: a
    // wake that sets no timer. The window timer then only stands by, once a second, for the
    // message loops of menus and message boxes; while one of those runs, it serves the dues as
    // they come again.
    DWORD LoopWait();
    void WakeFromLoop();

    // Heartbeat
    TickMs Now() const override;
    void Join(TickClient& client) override;
    void Leave(TickClient& client) override;
    void DuesChanged() override;

private:
    // The timer set for the earliest due, unless it already wakes in time.
    void Arm(TickMs now);
    TickMs NextWake() const;
    // Every client due at `now` served, and the chores run if it is their time.
    void Serve(TickMs now);
    // Every client's chores, with a look at the monitors every other time.
    void RunChores();

    HWND owner_ = nullptr;
    std::vector<TickClient*> clients_;
    bool waking_ = false;
    bool gone_ = false;   // a client left during a wake: its place is taken after it
    TickMs wakeNow_ = 0;  // the instant of the wake being served
    TickMs choresDue_ = 0;
    bool secondChoresNext_ = false;
    // The monitors as last looked at, and the look before it is compared (kept, so that a look
    // allocates nothing).
    std::vector<Monitor> monitors_, monitorsSeen_;
    UINT armedWait_ = 0;       // the repeating timer's interval, 0 when not set
    TickMs nextFire_ = 0;      // when it fires next, as last set or served
    bool loopDriven_ = false;  // the program's message loop waits for the dues
    TickMs loopSeen_ = 0;      // when that loop last asked how long to wait
};

}  // namespace marvix
