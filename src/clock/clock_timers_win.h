#pragma once

// The clock window's four timers. The tick comes every step (250 ms, or 10 ms in smooth mode), or
// sleeps over several steps when the tick plan foresees nothing to do; the one-second tick/tock
// pacing runs with it, and both stop while the clock is in the tray. The colon blink and the
// settled save's check run every half second, and the monitors' every second, for the window's
// whole life.

#include <windows.h>

namespace marvix {

class ClockTimers {
public:
    static constexpr UINT_PTR kTick = 1, kTickTock = 2, kBlink = 3, kSave = 4;

    // The window's life: the blink and the save check start, and at the end every timer stops.
    void Begin(HWND window);
    void End();

    // The tick and the tick/tock pacing.
    void Start();
    void Stop();
    bool Running() const { return running_; }

    // The tick's step: 10 ms in smooth mode, else 250.
    void UseStep(bool smooth);
    UINT Step() const { return step_; }
    // How long the tick timer sleeps now: the step, or a number of steps (see StepsToNextTick).
    UINT NextTickIn() const { return nextTickIn_; }

    // The next tick is due `steps` steps after this one; the timer is asked again only when that
    // changes, since it repeats.
    void SleepSteps(int steps);
    // Something other than time may have changed the frame or the sounds: the tick comes at its
    // next step rather than when it was planned.
    void TickSoon();

private:
    void SetTickTimer(UINT wait);

    HWND window_ = nullptr;
    bool running_ = false;
    UINT step_ = 250;
    UINT nextTickIn_ = 250;
};

}  // namespace marvix
