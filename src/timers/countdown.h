#pragma once

// A timer as a value: what it is set to do (its plan) and where it stands, with pure
// transitions at given instants. Every instant is universal time in milliseconds since 1970, so
// changing the computer's clock or zone moves no timer's end; the shell only schedules the next
// wake, rings and stores.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/colour.h"

namespace marvix {

// One length of a timer, with its own label and, on the face, its own colour if it has one.
struct TimerStep {
    std::string label{};
    int64_t seconds = 0;
    std::optional<Colour> colour{};
    friend bool operator==(const TimerStep&, const TimerStep&) = default;
};

// What a timer is set to do. A plain timer is one step. Its steps run in turn, `rounds` times
// (0: until stopped), then its closing step if it has one: "Work 25:00, Break 5:00" four times,
// then "Long break 15:00". A timer to a moment has one step, to `untilMs`.
struct TimerPlan {
    std::string label{};
    std::vector<TimerStep> steps{};
    int rounds = 1;
    std::optional<TimerStep> closing{};
    int64_t untilMs = 0;      // counting down to this universal time instead; 0: a length
    int64_t warnSeconds = 0;  // a warning this long before the end; 0: none
    friend bool operator==(const TimerPlan&, const TimerPlan&) = default;
};

enum class TimerState { Ready, Running, Paused, Ringing };

// What became of a running timer by an instant: a warning is due, the next step or round started
// by itself (a short sound), a round ended and the next started (it rings, and runs on), or the
// timer ended (it rings until answered).
enum class TimerEvent { None, Warning, NextStep, RoundEnded, Ended };

struct TimerRun {
    TimerState state = TimerState::Ready;
    size_t step = 0;  // steps.size(): the closing step
    int round = 1;
    int64_t endsMs = 0;  // Running: when the step ends; Ringing: when it ended
    int64_t leftMs = 0;  // Paused: what was left
    int64_t stepMs = 0;  // the step's whole length, a minute added and all (its progress is of it)
    bool warned = false;
    friend bool operator==(const TimerRun&, const TimerRun&) = default;
};

class Countdown {
public:
    explicit Countdown(TimerPlan plan, TimerRun run = {});

    const TimerPlan& Plan() const { return plan_; }
    const TimerRun& Run() const { return run_; }
    TimerState State() const { return run_.state; }

    // From the first step of the first round (Restart is the same).
    void Start(int64_t nowMs);
    // A timer to a moment does not pause: the moment does not wait.
    void Pause(int64_t nowMs);
    void Resume(int64_t nowMs);
    // Running or paused: a minute more. Ringing: runs a minute more, and rings again then.
    void AddMinute(int64_t nowMs);
    // Stopped, or answered: ready to start again.
    void Stop();
    // What happened by `nowMs`; a step that ended while the computer slept or the program was
    // off is followed by the next from its own end, not from now.
    TimerEvent Advance(int64_t nowMs);

    // What is left of the step at `nowMs` (never below 0).
    int64_t LeftMs(int64_t nowMs) const;
    const TimerStep& Step() const;
    // The step's own label, else the timer's.
    const std::string& Label() const;
    // "2 of 4" while a timer of more than one round runs (its round now); empty otherwise.
    std::string RoundText() const;
    // When the next thing happens (a warning or an end) while it runs; nullopt otherwise.
    std::optional<int64_t> NextDueMs() const;

private:
    // What follows the step that ended at `endedMs`: the next step, the next round, or the end.
    TimerEvent StepEnded(int64_t endedMs);

    // The step `step` of round `round` running from `fromMs`.
    void RunStep(size_t step, int round, int64_t fromMs);

    TimerPlan plan_;
    TimerRun run_;
};

// What a timer that ended while the program was off or the computer slept says when it rings:
// "Tea ended at 10:05", the end in the clock's own time.
std::string EndedAtText(const std::string& label, int hour, int minute);

}  // namespace marvix
