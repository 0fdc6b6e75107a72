#include "program/program_wake_win.h"

#include <algorithm>

#include "program/clocks_window_win.h"
#include "program/program_timers_win.h"
#include "sound/alarm_wake.h"

namespace marvix {

namespace {

// A running timer whose end should wake the computer.
bool WakesTheComputer(const Timer& timer) {
    return timer.look.wake && timer.countdown.State() == TimerState::Running;
}

}  // namespace

ProgramWake::ProgramWake(Heartbeat& heartbeat, ClockBook& clocks, ProgramTimers& timers)
    : heartbeat_(heartbeat), clocks_(clocks), timers_(timers) {}

ProgramWake::~ProgramWake() {
    if (joined_) heartbeat_.Leave(*this);
    if (kept_ != Kept{}) WakeTimer::KeepOn(false, false);
}

void ProgramWake::Start() {
    heartbeat_.Join(*this);
    joined_ = true;
    Plan();
}

// What the wake depends on that a second may change: every running timer's end. (The clocks'
// alarms are looked at once a minute.)
uint64_t ProgramWake::Fingerprint() const {
    uint64_t print = 0;
    for (const Timer& timer : timers_.Book().All()) {
        if (WakesTheComputer(timer)) print = print * 31 + uint64_t(timer.countdown.Run().endsMs);
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
    Kept keep;
    clocks_.ListLiveClocks(live_);
    for (ClockHost* clock : live_) {
        const ClockSettings& settings = clock->Model().Settings();
        const AlarmBell& bell = clock->Model().Sounds().bell;
        ClockTime& time = clock->Time();
        const LocalTime now = time.Now();
        const auto universalOf = [&](const LocalTime& local) { return time.UniversalOf(local); };
        const std::array<bool, 5> wakes = AlarmsThatWake(settings);
        const std::optional<int64_t> alarm =
            NextWakingAlarm(settings, wakes, bell, now, universalOf);
        if (alarm) consider(*alarm);
        if (alarm && settings.KeepAwake && *alarm - universalOf(now) <= kKeepAwakeMs)
            keep.system = true;
        if (bell.GetState() == AlarmBell::State::Ringing && wakes[bell.Alarm()])
            keep.display = true;
    }
    if (keep != kept_) {
        kept_ = keep;
        timer_->KeepOn(keep.system, keep.display);
    }
    for (const Timer& timer : timers_.Book().All())
        if (WakesTheComputer(timer)) consider(timer.countdown.Run().endsMs);
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

void ProgramWake::AfterWake() {
    setFor_.reset();
    Plan();
}

}  // namespace marvix
