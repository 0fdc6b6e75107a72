#pragma once

// Whether this computer can wake itself for an alarm, found out rather than assumed: what
// Windows answered when the wake was asked for, its power capabilities, and the power plan's
// "Allow wake timers" for the power source in use, where Windows tells it. A clock that promises
// a wake it cannot give is worse than one that says so.

#include <cstdint>
#include <optional>
#include <string>

namespace marvix {

struct WakeFacts {
    uint32_t setTimerError = 0;  // GetLastError after SetWaitableTimer with the resume flag
    bool sleeps = true;          // S1 to S3 sleep, or hibernation (S4)
    bool modernStandby = false;  // the system sleeps connected (AoAc)
    std::optional<bool> wakeTimersAllowed{};  // the power plan's, for the source in use
};

// The start of what the alarms window says when this computer cannot wake for alarms.
inline constexpr char kCannotWake[] = "This computer cannot wake itself for alarms";

// The whole sentence, with the reason found first among the facts; nullopt when it can wake.
std::optional<std::string> CannotWakeSentence(const WakeFacts& facts);

}  // namespace marvix
