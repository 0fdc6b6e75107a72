#include "timers/countdown.h"

#include <algorithm>
#include <cstdio>

#include "timers/timer_length.h"

namespace marvix {

namespace {

constexpr int64_t kMinuteMs = 60'000;
// The registry keeps an end to the second: an end in memory is the one a restart reads.
int64_t ToWholeSecond(int64_t ms) { return (ms + 500) / 1000 * 1000; }

constexpr int64_t kLongestMs = kLongestTimerSeconds * 1000;
// Steps followed at once after a long sleep before a timer that runs until stopped is taken as ended.
constexpr int kMostStepsAtOnce = 1'000'000;

}  // namespace

Countdown::Countdown(TimerPlan plan, TimerRun run) : plan_(std::move(plan)), run_(run) {
    // A plan read from anywhere has a step to run, and the run a step of the plan.
    if (plan_.steps.empty()) plan_.steps.push_back({});
    for (TimerStep& step : plan_.steps)
        step.seconds = std::clamp<int64_t>(step.seconds, 1, kLongestMs / 1000);
    if (plan_.closing)
        plan_.closing->seconds = std::clamp<int64_t>(plan_.closing->seconds, 1, kLongestMs / 1000);
    if (plan_.rounds < 0) plan_.rounds = 1;
    if (run_.step > plan_.steps.size() || (run_.step == plan_.steps.size() && !plan_.closing))
        run_.step = 0;
    run_.round = std::max(run_.round, 1);
}

const TimerStep& Countdown::Step() const {
    return run_.step < plan_.steps.size() ? plan_.steps[run_.step] : *plan_.closing;
}

const std::string& Countdown::Label() const {
    return Step().label.empty() ? plan_.label : Step().label;
}

void Countdown::RunStep(size_t step, int round, int64_t fromMs) {
    run_.state = TimerState::Running;
    run_.step = step;
    run_.round = round;
    run_.warned = false;
    run_.endsMs = plan_.untilMs ? plan_.untilMs : ToWholeSecond(fromMs + Step().seconds * 1000);
    run_.stepMs = std::max<int64_t>(run_.endsMs - fromMs, 0);
}

void Countdown::Start(int64_t nowMs) { RunStep(0, 1, nowMs); }

void Countdown::Pause(int64_t nowMs) {
    if (run_.state != TimerState::Running || plan_.untilMs) return;
    run_.leftMs = LeftMs(nowMs);
    run_.endsMs = 0;
    run_.state = TimerState::Paused;
}

void Countdown::Resume(int64_t nowMs) {
    if (run_.state != TimerState::Paused) return;
    run_.endsMs = ToWholeSecond(nowMs + run_.leftMs);
    run_.leftMs = 0;
    run_.state = TimerState::Running;
}

void Countdown::AddMinute(int64_t nowMs) {
    switch (run_.state) {
        case TimerState::Running: run_.endsMs += kMinuteMs; break;
        case TimerState::Paused: run_.leftMs += kMinuteMs; break;
        case TimerState::Ringing:
            run_.state = TimerState::Running;
            run_.endsMs = ToWholeSecond(nowMs + kMinuteMs);
            run_.stepMs = 0;
            run_.warned = true;
            break;
        case TimerState::Ready: return;
    }
    run_.stepMs += kMinuteMs;
}

void Countdown::Stop() { run_ = TimerRun{}; }

TimerEvent Countdown::StepEnded(int64_t endedMs) {
    const bool sequence = plan_.steps.size() > 1 || plan_.closing;
    if (run_.step + 1 < plan_.steps.size()) {
        RunStep(run_.step + 1, run_.round, endedMs);
        return TimerEvent::NextStep;
    }
    if (run_.step < plan_.steps.size() && (plan_.rounds == 0 || run_.round < plan_.rounds)) {
        RunStep(0, run_.round + 1, endedMs);
        return sequence ? TimerEvent::NextStep : TimerEvent::RoundEnded;
    }
    if (run_.step < plan_.steps.size() && plan_.closing) {
        RunStep(plan_.steps.size(), run_.round, endedMs);
        return TimerEvent::NextStep;
    }
    run_.state = TimerState::Ringing;
    run_.endsMs = endedMs;
    return TimerEvent::Ended;
}

TimerEvent Countdown::Advance(int64_t nowMs) {
    if (run_.state != TimerState::Running) return TimerEvent::None;
    TimerEvent event = TimerEvent::None;
    // A step that ended while the computer slept is followed by the next from its own end; a
    // sequence long past ends at its own last end.
    for (int steps = 0; run_.state == TimerState::Running && nowMs >= run_.endsMs; ++steps) {
        const TimerEvent ended = StepEnded(run_.endsMs);
        if (ended == TimerEvent::RoundEnded || ended == TimerEvent::Ended ||
            event == TimerEvent::None)
            event = ended;
        if (steps == kMostStepsAtOnce) {
            run_.state = TimerState::Ringing;
            return TimerEvent::Ended;
        }
    }
    if (event != TimerEvent::None) return event;
    const int64_t warnMs = plan_.warnSeconds * 1000;
    if (warnMs > 0 && !run_.warned && LeftMs(nowMs) <= warnMs && run_.stepMs > warnMs) {
        run_.warned = true;
        return TimerEvent::Warning;
    }
    return TimerEvent::None;
}

int64_t Countdown::LeftMs(int64_t nowMs) const {
    switch (run_.state) {
        case TimerState::Running: return std::max<int64_t>(run_.endsMs - nowMs, 0);
        case TimerState::Paused: return run_.leftMs;
        case TimerState::Ringing: return 0;
        case TimerState::Ready: break;
    }
    return plan_.untilMs ? 0 : Step().seconds * 1000;
}

std::string Countdown::RoundText() const {
    if (plan_.rounds == 1 || run_.state == TimerState::Ready) return {};
    const std::string round = std::to_string(run_.round);
    return plan_.rounds == 0 ? "round " + round : round + " of " + std::to_string(plan_.rounds);
}

std::optional<int64_t> Countdown::NextDueMs() const {
    if (run_.state != TimerState::Running) return std::nullopt;
    const int64_t warnMs = plan_.warnSeconds * 1000;
    if (warnMs > 0 && !run_.warned && run_.stepMs > warnMs) return run_.endsMs - warnMs;
    return run_.endsMs;
}

std::string EndedAtText(const std::string& label, int hour, int minute) {
    char time[16];
    std::snprintf(time, sizeof time, "%d:%02d", hour, minute);
    return (label.empty() ? std::string("Timer") : label) + " ended at " + time;
}

}  // namespace marvix
