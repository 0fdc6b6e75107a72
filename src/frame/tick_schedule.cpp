#include "frame/tick_schedule.h"

#include <algorithm>

namespace marvix {

void TickSchedule::Start() {
    running_ = true;
    DueIn(step_);
}

void TickSchedule::Stop() { running_ = false; }

void TickSchedule::UseStep(bool smooth) {
    step_ = smooth ? 10 : 250;
    if (running_) DueIn(step_);
}

void TickSchedule::SleepSteps(int steps) {
    if (running_) DueIn(step_ * std::max(1, steps));
}

void TickSchedule::TickSoon() {
    if (!running_) return;
    const TickMs soon = heartbeat_.Now() + step_;
    if (soon < due_) DueIn(step_);
}

void TickSchedule::DueIn(int wait) {
    due_ = heartbeat_.Now() + wait;
    nextTickIn_ = wait;
    heartbeat_.DuesChanged();
}

}  // namespace marvix
