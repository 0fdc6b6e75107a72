#include "sound/wake_support.h"

namespace marvix {

namespace {

// Windows' own numbers for the answers SetWaitableTimer gives through its last error.
constexpr uint32_t kNotSupported = 50;         // ERROR_NOT_SUPPORTED
constexpr uint32_t kTimerResumeIgnored = 722;  // ERROR_TIMER_RESUME_IGNORED

std::optional<std::string> Reason(const WakeFacts& facts) {
    if (facts.setTimerError == kNotSupported) return "Windows does not support wake timers here";
    if (facts.setTimerError == kTimerResumeIgnored)
        return "Windows ignored the request to wake it (wake timers are not supported, or are "
               "turned off)";
    if (facts.wakeTimersAllowed == false)
        return "\"Allow wake timers\" is off in the power plan for the power source in use";
    if (facts.modernStandby)
        return "it sleeps in Modern Standby, from which Windows does not wake it for a program's "
               "timer";
    if (!facts.sleeps) return "it has no sleep state it could wake from";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CannotWakeSentence(const WakeFacts& facts) {
    const std::optional<std::string> reason = Reason(facts);
    if (!reason) return std::nullopt;
    return std::string(kCannotWake) + ": " + *reason + ".";
}

}  // namespace marvix
