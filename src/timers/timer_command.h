#pragma once

// What a start of the program is asked on its command line beyond showing the clock:
// "/timer DURATION [LABEL]" starts a timer, "/stopwatch" starts or pauses the stopwatch,
// "/timers" opens the Timers window. A later start hands the command to the running program.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvix {

struct TimerCommand {
    enum class Kind { ShowClock, Timer, Stopwatch, TimersWindow } kind = Kind::ShowClock;
    int64_t seconds = 0;  // Timer
    std::string label{};  // Timer: the words after the length, quotes taken off
    friend bool operator==(const TimerCommand&, const TimerCommand&) = default;
};

// What a command line the program does not understand is answered with.
inline constexpr char kCommandsAccepted[] =
    "Marvix understands these command lines:\n"
    "  marvix /timer DURATION [LABEL]   starts a timer (DURATION as 25, 4:30, 1:30:00, 90s or "
    "1h30m)\n"
    "  marvix /stopwatch   starts or pauses the stopwatch\n"
    "  marvix /timers   opens the Timers window";

// The command in the arguments (the command line without the program's own name); nullopt when
// they are not one of the above. Options may start with "/" or "-", in any case.
std::optional<TimerCommand> ParseTimerCommand(std::string_view arguments);

}  // namespace marvix
