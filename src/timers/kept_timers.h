#pragma once

// Timers and the stopwatch as the registry keeps them, so that a killed program, a crash or a
// power cut loses nothing: each timer in a numbered subkey of its own, the stopwatch in one
// subkey, every value text. A missing or bad value takes its default; a running timer keeps the
// universal time it ends ("YYYY-MM-DDTHH:MM:SSZ"), a paused one the seconds it has left.

#include <string>
#include <vector>

#include "settings/registry_store.h"
#include "timers/countdown.h"
#include "timers/stopwatch.h"

namespace marvix {

// How a timer shows and sounds, beside what it counts.
struct TimerLook {
    Colour colour = Colour::Rgb(255, 128, 0);
    int opacity = 50;  // per cent, of the sector over the face
    int clock = 0;     // the clock it shows on: 0 the first, else that clock's number
    bool onClock = true;
    bool wake = true;     // the computer woken from sleep for its end
    std::string sound{};  // a sound file; empty: the built-in alarm sound
    friend bool operator==(const TimerLook&, const TimerLook&) = default;
};

struct KeptTimer {
    TimerPlan plan{};
    TimerRun run{};
    TimerLook look{};
};

// Reads one timer's values; what is missing or cannot be read takes its default.
KeptTimer ReadTimer(RegistryValues& values);
// Writes every value of the timer; returns the first error, or an empty string.
std::string WriteTimer(const KeptTimer& timer, RegistryValues& values);

Stopwatch ReadStopwatch(RegistryValues& values);
std::string WriteStopwatch(const Stopwatch& stopwatch, RegistryValues& values);

}  // namespace marvix
