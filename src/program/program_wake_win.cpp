#include "program/program_wake_win.h"

#include <algorithm>

#include "program/clocks_window_win.h"
#include "program/program_timers_win.h"
#include "sound/alarm_wake.h"

namespace marvix {

ProgramWake::ProgramWake(Heartbeat& heartbeat, ClockBook& clocks, ProgramTimers& timers)
    : heartbeat_(heartbeat), clocks_(clocks), timers_(timers) {}

ProgramWake::~ProgramWake() {
    if (joined_) heartbeat_.Leave(*this);
}

void ProgramWake::Start() {
    heartbeat_.Join(*this);
    joined_ = true;
    Plan();
}

// What the wake depends on that a second may change: every running timer's end. (The clocks'
// alarms are looked at once a minute: listing the clocks every second would take from the heap.)
uint64_t ProgramWake::Fingerprint() const {
    uint64_t print = 0;
    for (const Timer& timer : timers_.Book().All()) {
        if (timer.countdown.State() == TimerState::Running)
            print = print * 31 + uint64_t(timer.countdown.Run().endsMs);
    }
    return print;
}

// Every second, whether the timers changed; once a minute, as alarms, the zone or the computer's
// clock may have.
void ProgramWake::RunChores(const Chores& due) {
    if (!due.secondToo) return;
    if (--secondsToPlan_ <= 0 || Fingerprint() != planned_) Plan();
}

void ProgramWake::Plan() {
    secondsToPlan_ = 60;
    planned_ = Fingerprint();
    std::optional<int64_t> soonest;
    const auto consider = [&](int64_t at) { soonest = std::min(soonest.value_or(at), at); };
    for (ClockHost* clock : clocks_.LiveClocks()) {
        const ClockSettings& settings = clock->Model().Settings();
        ClockTime& time = clock->Time();
        const std::optional<int64_t> alarm = NextWakingAlarm(
            settings, AlarmsThatWake(settings), clock->Model().Sounds().bell, time.Now(),
            [&](const LocalTime& local) { return time.UniversalOf(local); });
        if (alarm) consider(*alarm);
    }
    for (const Timer& timer : timers_.Book().All())
        if (timer.countdown.State() == TimerState::Running) consider(timer.countdown.Run().endsMs);
    const std::optional<int64_t> wake =
        soonest ? std::optional<int64_t>(*soonest - kAheadMs) : std::nullopt;
    if (wake == setFor_) return;
    setFor_ = wake;
    if (!wake) {
        timer_->Cancel();
        return;
    }
    cannotWake_ = CannotWakeSentence(timer_->SetFor(*wake));
}

}  // namespace marvix
