#pragma once

// When the settings are saved while the clock runs: soon after a change has settled, so that a
// killed process, a crash or a power cut loses at most the last couple of seconds of a user's
// work, and never while nothing changes.
//
// The record is compared by what the exit save would write (ExitValues), so ticks, blinking and
// the displays the tick places count as changes only when the exit save would write them
// differently.

#include <string>
#include <vector>

namespace marvix {

class SettledSave {
public:
    // A check every half second; values that differ from the stored ones and stay the same over
    // this many checks in a row are saved.
    static constexpr int kSettledChecks = 4;

    // The values the store holds now (at start, once start-up is over; then after each save).
    void Stored(std::vector<std::string> values);

    // Returns true when `now` has settled and should be written; the caller then writes it and
    // calls Stored with it (or, if it could not start the write, checks again later).
    bool Settled(const std::vector<std::string>& now);

private:
    std::vector<std::string> stored_;
    std::vector<std::string> pending_;
    int steadyChecks_ = 0;
};

}  // namespace marvix
