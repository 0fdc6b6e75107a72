#pragma once

// The stopwatch as a value: started at a universal time, or paused with the time it has run, and
// its laps; pure transitions at given instants, like a timer's.

#include <cstdint>
#include <string>
#include <vector>

namespace marvix {

struct Stopwatch {
    bool running = false;
    int64_t startedMs = 0;  // running: the universal time it would have started at, unpaused
    int64_t runMs = 0;      // paused: the time it has run
    std::vector<int64_t> lapsMs{};  // the time it had run at each lap, in order
    bool onClock = false;           // shown on clock `clock` (0: the first)
    int clock = 0;
    friend bool operator==(const Stopwatch&, const Stopwatch&) = default;

    int64_t ElapsedMs(int64_t nowMs) const { return running ? nowMs - startedMs : runMs; }
    // Starts, or pauses a running one.
    void StartOrPause(int64_t nowMs);
    // A lap while it runs.
    void Lap(int64_t nowMs);
    // Stopped at nought, its laps gone; where it shows stays.
    void Reset() { *this = Stopwatch{.onClock = onClock, .clock = clock}; }
};

// The laps as text to paste elsewhere: a line for each, "Lap 1<tab>0:12.3<tab>0:12.3", its own
// time and the total, lines ending with CR LF.
std::string LapsText(const Stopwatch& stopwatch);

}  // namespace marvix
