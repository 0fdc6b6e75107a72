#include "program/program_tick_win.h"

#include <algorithm>
#include <utility>

namespace marvix {

namespace {

constexpr TickMs kChoresEvery = 500;
// A wake this close before the chores' time runs them, so that they ride on a 4 Hz clock's tick
// instead of waking the program on their own.
constexpr TickMs kChoresEarly = 130;
// SetTimer's least interval.
constexpr TickMs kLeastWait = USER_TIMER_MINIMUM;
// While the program's message loop waits for the dues, the timer stands by at this interval; a
// loop that has not asked for this long is another's (a menu's, a message box's).
constexpr UINT kStandByWait = 1000;
constexpr TickMs kLoopGone = 300;

}  // namespace

void ProgramTick::Attach(HWND owner) {
    owner_ = owner;
    ReadMonitors(monitors_);
    choresDue_ = Now() + kChoresEvery;
    Arm(Now());
}

void ProgramTick::Detach() {
    if (owner_ && armedWait_) KillTimer(owner_, kTimer);
    owner_ = nullptr;
    armedWait_ = 0;
}

TickMs ProgramTick::Now() const { return waking_ ? wakeNow_ : TickMs(GetTickCount64()); }

void ProgramTick::Join(TickClient& client) {
    if (std::ranges::find(clients_, &client) == clients_.end()) clients_.push_back(&client);
    DuesChanged();
}

void ProgramTick::Leave(TickClient& client) {
    const auto at = std::ranges::find(clients_, &client);
    if (at == clients_.end()) return;
    // A client may leave while the wake serves the list: its place is emptied, not taken away.
    if (waking_) {
        *at = nullptr;
        gone_ = true;
    } else {
        clients_.erase(at);
    }
}

void ProgramTick::Wake() {
    const TickMs now = TickMs(GetTickCount64());
    // Another message loop runs (or none of the program's own ever did): the timer serves the
    // dues as they come, set for each.
    if (loopDriven_ && now - loopSeen_ > kLoopGone) loopDriven_ = false;
    nextFire_ = now + armedWait_;
    Serve(now);
    if (!loopDriven_) Arm(now);
}

DWORD ProgramTick::LoopWait() {
    const TickMs now = TickMs(GetTickCount64());
    loopSeen_ = now;
    if (!loopDriven_ && owner_) {
        loopDriven_ = true;
        SetTimer(owner_, kTimer, kStandByWait, nullptr);
        armedWait_ = kStandByWait;
    }
    return DWORD(std::clamp(NextWake() - now, TickMs{0}, kChoresEvery));
}

void ProgramTick::WakeFromLoop() {
    const TickMs now = TickMs(GetTickCount64());
    loopSeen_ = now;
    Serve(now);
}

void ProgramTick::Serve(TickMs now) {
    // A message box shown by a chore runs a message loop of its own, which brings the timer here
    // again: the wake in hand finishes first.
    if (waking_) return;
    waking_ = true;
    wakeNow_ = now;
    // The chores first: a colon blink they make is drawn by the tick of this same wake.
    if (wakeNow_ >= choresDue_ - kChoresEarly) RunChores();
    for (size_t i = 0; i < clients_.size(); ++i)
        if (clients_[i] && clients_[i]->Schedule().DueBy(wakeNow_)) clients_[i]->Serve();
    waking_ = false;
    if (std::exchange(gone_, false)) std::erase(clients_, nullptr);
}

void ProgramTick::RunChores() {
    Chores due{.secondToo = std::exchange(secondChoresNext_, !secondChoresNext_)};
    if (due.secondToo) {
        ReadMonitors(monitorsSeen_);
        due.monitorsChanged = monitorsSeen_ != monitors_;
        if (due.monitorsChanged) std::swap(monitors_, monitorsSeen_);
    }
    for (size_t i = 0; i < clients_.size(); ++i)
        if (clients_[i]) clients_[i]->RunChores(due);
    // Every half second on average, never two at one wake after a long sleep.
    choresDue_ = std::max(choresDue_ + kChoresEvery, Now() + kChoresEarly);
}

void ProgramTick::DuesChanged() {
    // A wake plans its next once it has served everything; the program's loop asks before it
    // waits.
    if (!waking_ && !loopDriven_) Arm(Now());
}

TickMs ProgramTick::NextWake() const {
    TickMs wake = choresDue_;
    for (TickClient* client : clients_)
        if (client)
            if (const std::optional<TickMs> due = client->Schedule().Due())
                wake = std::min(wake, *due);
    return wake;
}

void ProgramTick::Arm(TickMs now) {
    if (!owner_) return;
    const UINT wait = UINT(std::clamp(NextWake() - now, kLeastWait, kChoresEvery));
    // The timer repeats: it is set again only when it would wake at another interval, or too late.
    if (wait == armedWait_ && nextFire_ <= now + wait) return;
    SetTimer(owner_, kTimer, wait, nullptr);
    armedWait_ = wait;
    nextFire_ = now + wait;
}

}  // namespace marvix
