#pragma once

// Every timer of the program and its stopwatch: what a wake must serve next, what each timer did
// by a given instant, which timer each clock shows, and what the tray's tip says of them. The
// shell stores, sounds and rings; this only keeps the values.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "timers/countdown.h"
#include "timers/kept_timers.h"
#include "timers/stopwatch.h"
#include "timers/timer_sector.h"

namespace marvix {

struct Timer {
    int number = 0;  // its subkey's, for as long as it lives
    Countdown countdown;
    TimerLook look;
    KeptTimer Kept() const { return {countdown.Plan(), countdown.Run(), look}; }
};

// What a timer did at a wake.
struct TimerNews {
    int number = 0;
    TimerEvent event = TimerEvent::None;
};

class TimerBook {
public:
    // A new timer, numbered one above the highest; it has not started.
    Timer& Add(TimerPlan plan, TimerLook look);
    // A timer as the registry kept it, under its own number.
    void Keep(int number, const KeptTimer& kept);
    bool Remove(int number);
    Timer* Find(int number);
    const std::vector<Timer>& All() const { return timers_; }
    Stopwatch& Watch() { return stopwatch_; }
    const Stopwatch& Watch() const { return stopwatch_; }

    // The earliest moment a running timer needs a wake, if any runs.
    std::optional<int64_t> NextDueMs() const;
    // What every running timer did by `nowMs`, into `news` (emptied first).
    void Advance(int64_t nowMs, std::vector<TimerNews>& news);

    // What clock `clock` shows: the running or paused timer on it that ends first. A timer on a
    // clock that is not among `liveClocks` shows on the first clock (number 0).
    TimerOnFace OnClock(int clock, std::span<const int> liveClocks, int64_t nowMs) const;

    // The stopwatch as clock `clock` shows it (a stopwatch on a clock not among `liveClocks`
    // shows on the first).
    StopwatchOnFace StopwatchOnClock(int clock, std::span<const int> liveClocks) const;

    // The ring the tray's icon shows for the running timer that ends first: how many of
    // kRingSteps of its step are left (rounded up), in its colour; none while no timer runs.
    static constexpr int kRingSteps = 24;
    struct Ring {
        int steps = 0;
        Colour colour;
        friend bool operator==(const Ring&, const Ring&) = default;
    };
    std::optional<Ring> SoonestRing(int64_t nowMs) const;

    // A line for each running or paused timer and the stopwatch while it runs or holds a time,
    // "Tea 4:12 left", "Stopwatch 1:02.3", each after a line break, added to `tip` while it
    // stays within `room` characters: those that do not fit are left out. A `tip` with room
    // enough reserved takes nothing from the heap for it.
    void AddTipLines(int64_t nowMs, size_t room, std::string& tip) const;

private:
    std::vector<Timer> timers_;
    Stopwatch stopwatch_;
};

}  // namespace marvix
