#pragma once

// Where a running timer shows on the face: a sector from where the minute hand stands now to
// where it will stand when the timer ends, so that the timer ends as the hand reaches the
// sector's end. A timer of more than an hour shows its last hour and says how many more hours
// there are.

#include <cstdint>
#include <string>

#include "base/colour.h"
#include "base/local_time.h"

namespace marvix {

struct TimerSector {
    double startDegrees = 0;  // clockwise from twelve o'clock: the minute hand now
    double sweepDegrees = 0;  // clockwise from the start, 0 to 360
    int64_t hoursMore = 0;    // whole hours left beyond the sector's
    friend bool operator==(const TimerSector&, const TimerSector&) = default;
};

// The timer a clock shows, as the program last told it (the soonest to end of those on it); the clock works out what is left at
// each frame's own instant.
struct TimerOnFace {
    bool shown = false;
    bool running = false;  // else paused, `leftMs` left
    int64_t endsMs = 0;    // running: universal time
    int64_t leftMs = 0;
    Colour colour{};
    int opacity = 50;     // per cent
    std::string label{};  // for a screen reader: the timer's label, or "Timer"
    int64_t LeftAt(const ClockInstant& now) const;
    friend bool operator==(const TimerOnFace&, const TimerOnFace&) = default;
};

// The stopwatch as a clock shows it, below the label and the timer: its time at each frame's own
// instant, to the tenth of a second on a smooth clock.
struct StopwatchOnFace {
    bool shown = false;
    bool running = false;
    int64_t startedMs = 0;  // running: universal time
    int64_t runMs = 0;      // paused
    int64_t ElapsedAt(const ClockInstant& now) const {
        return running ? UniversalMilliseconds(now) - startedMs : runMs;
    }
    friend bool operator==(const StopwatchOnFace&, const StopwatchOnFace&) = default;
};

// The sector of a timer with `leftMs` left at `now` on a clock whose minute hand shows `now`.
TimerSector SectorOf(const LocalTime& now, int64_t leftMs);

}  // namespace marvix
