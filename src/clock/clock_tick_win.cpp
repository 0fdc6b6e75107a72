// The running clock's timers: the tick, which composes every frame and plans when it will next
// have something to do, the one-second tick/tock pacing, the colon blink and the half-second
// checks.
#include "clock/running_clock_win.h"

#include <utility>

namespace marvix {

void RunningClock::TimerFired(UINT_PTR timer) {
    if (timer == ClockTimers::kTick) Tick();
    if (timer == ClockTimers::kTickTock) PaceTickTock();
    if (timer == ClockTimers::kBlink) BlinkColons();
    if (timer == ClockTimers::kSave) {
        SaveTimer();
        words_.Read();
        WatchFullScreen();
        if (std::exchange(watchMonitorsNext_, !watchMonitorsNext_)) WatchMonitors();
    }
}

void RunningClock::PlanNextTick() {
    if (!timers_.Running()) return;
    FrameSurfaces frame = face_.Pictures().Frame();
    timers_.SleepSteps(model_.StepsToNextTick(frame, int(timers_.Step())));
}

void RunningClock::Tick() {
    const ClockInstant now = SampleInstant(clock_);
    if (Settings().Tray && IsWindowVisible(Window())) ShowWindow(Window(), SW_HIDE);
    const bool moved = placement_.KeepOnScreen();
    model_.Sound(now.time, bell_.Player());
    bell_.Show();
    // What the settings windows show of the clock (its place, the placed displays) can change
    // only with the frame or the place.
    if (face_.ComposeAndShow(now) || moved) app_.ShowLiveValues();
    PlanNextTick();
}

void RunningClock::PaceTickTock() {
    if (model_.StepSecond()) timers_.TickSoon();  // to sound it at once
}

void RunningClock::BlinkColons() {
    model_.BlinkColons();
    timers_.TickSoon();
}

}  // namespace marvix
