#pragma once

// One timer serves the whole program: it wakes at the earliest moment anything is due and serves
// everything due then, so that three clocks whose frames change at the same instants wake the
// program once, not three times. Each clock keeps its own schedule (whether it runs, its step, when
// its tick is next due); the program's heartbeat keeps the time in milliseconds and the timer.

#include <cstdint>
#include <optional>

namespace marvix {

// Milliseconds of a clock that only goes forward (the computer's uptime): the clock's own time
// may be set back, and a tick must never wait for it.
using TickMs = int64_t;

class TickClient;

// The program's one timer, as whatever rides on it sees it.
class Heartbeat {
public:
    // Now, or the instant of the wake being served: everything served at one wake plans from the
    // same instant, so what falls due together stays together.
    virtual TickMs Now() const = 0;
    virtual void Join(TickClient& client) = 0;
    virtual void Leave(TickClient& client) = 0;
    // A client's due moved earlier: the timer is set again if it would wake too late.
    virtual void DuesChanged() = 0;

protected:
    ~Heartbeat() = default;
};

// When one clock's tick is due. Its step is 10 ms in smooth mode, else 250; a tick may sleep over
// several steps when the tick plan foresees nothing to do (see StepsToNextTick).
class TickSchedule {
public:
    explicit TickSchedule(Heartbeat& heartbeat) : heartbeat_(heartbeat) {}

    // Ticking, or waiting (the clock hidden by a double-click: no frame, no sound).
    void Start();
    void Stop();
    bool Running() const { return running_; }

    void UseStep(bool smooth);
    int Step() const { return step_; }
    // The wait planned at the last tick or the last call for one soon: the step or some steps.
    int NextTickIn() const { return nextTickIn_; }
    std::optional<TickMs> Due() const {
        return running_ ? std::optional<TickMs>(due_) : std::nullopt;
    }
    // Whether a wake at `now` serves it: it is due, or due within half a step. A smooth clock
    // served 5 ms early at another clock's wake joins that clock's steps; a 4 Hz clock has
    // nothing to lose in a quarter second's grid.
    bool DueBy(TickMs now) const { return running_ && due_ - step_ / 2 <= now; }

    // The tick just served; the next is due `steps` steps after it.
    void SleepSteps(int steps);
    // Something other than time may have changed the frame or the sounds: the tick comes at its
    // next step rather than when it was planned.
    void TickSoon();

private:
    void DueIn(int wait);

    Heartbeat& heartbeat_;
    bool running_ = false;
    int step_ = 250;
    int nextTickIn_ = 250;
    TickMs due_ = 0;
};

// The chores due at a wake: those of every half second, and with `secondToo` those of every
// second; the program looks at the monitors once for all its clocks.
struct Chores {
    bool secondToo = false;
    bool monitorsChanged = false;
};

// What rides on the heartbeat: a clock now, timers and wake-ups later.
class TickClient {
public:
    virtual const TickSchedule& Schedule() const = 0;
    // Its tick, due now.
    virtual void Serve() = 0;
    // The chores, run at the wake that falls nearest them for every client at once.
    virtual void RunChores(const Chores& due) = 0;

protected:
    ~TickClient() = default;
};

}  // namespace marvix
