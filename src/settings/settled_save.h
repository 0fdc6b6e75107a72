#pragma once

// When the settings are saved while the clock runs: soon after a change has settled, so that a
// killed process, a crash or a power cut loses at most the last couple of seconds of a user's
// work, and never while nothing changes.
//
// Whatever changes the settings counts the change. A check twice a second compares that count
// alone, so a clock left alone costs no more than that; only once the changes have settled is
// the record formatted as the exit save would write it (ExitValues), and written only when that
// differs from what is stored. A change undone, or one the exit save would not write (the tick
// placing a display where it already stands), writes nothing.

#include <cstdint>
#include <string>
#include <vector>

namespace marvix {

class SettledSave {
public:
    // A check every half second; changes that stop for this many checks in a row have settled.
    static constexpr int kSettledChecks = 4;

    // The values the store holds, and the change count they reflect: at start, once start-up is
    // over, and after each check that found the changes settled.
    void Stored(std::vector<std::string> values, uint64_t changes);

    // Whether the changes made since the last Stored have settled: the count has moved since, and
    // stayed where it is now over kSettledChecks checks in a row.
    bool Settled(uint64_t changes);

    // Once settled: whether `values` (what the exit save would write now) differ from the stored
    // ones. Either way the caller then calls Stored with them, after starting the write if they
    // differ.
    bool Differs(const std::vector<std::string>& values) const { return values != stored_; }

private:
    std::vector<std::string> stored_;
    uint64_t storedChanges_ = 0;
    uint64_t lastSeen_ = 0;
    int steadyChecks_ = 0;
};

}  // namespace marvix
