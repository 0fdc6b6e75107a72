#include "clock/clock_timers_win.h"

namespace marvix {

void ClockTimers::Begin(HWND window) {
    window_ = window;
    SetTimer(window_, kBlink, 500, nullptr);
    SetTimer(window_, kSave, 500, nullptr);
}

void ClockTimers::End() {
    Stop();
    KillTimer(window_, kBlink);
    KillTimer(window_, kSave);
}

void ClockTimers::Start() {
    running_ = true;
    SetTickTimer(step_);
    SetTimer(window_, kTickTock, 1000, nullptr);
}

void ClockTimers::Stop() {
    running_ = false;
    KillTimer(window_, kTick);
    KillTimer(window_, kTickTock);
}

void ClockTimers::UseStep(bool smooth) {
    step_ = smooth ? 10 : 250;
    if (running_) SetTickTimer(step_);
}

void ClockTimers::SleepSteps(int steps) {
    if (!running_) return;
    const UINT wait = step_ * UINT(steps);
    if (wait != nextTickIn_) SetTickTimer(wait);
}

void ClockTimers::TickSoon() {
    if (running_ && nextTickIn_ > step_) SetTickTimer(step_);
}

void ClockTimers::SetTickTimer(UINT wait) {
    // SetTimer on a running timer replaces its interval.
    SetTimer(window_, kTick, wait, nullptr);
    nextTickIn_ = wait;
}

}  // namespace marvix
