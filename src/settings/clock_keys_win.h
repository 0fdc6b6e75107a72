#pragma once

// Where each clock's settings live. The first clock is the one other programs know: the clock's
// key, and the program's subkey "Marvix" for its own settings. Every other clock has a numbered
// subkey of its own under "Marvix\Clocks", which holds both.

#include <string>
#include <vector>

namespace marvix {

inline constexpr char kClocksKeyPath[] = "Software\\Tolvane\\Marvo\\Marvix\\Clocks";
// The program's timers, each in a numbered subkey, and its stopwatch.
inline constexpr char kTimersKeyPath[] = "Software\\Tolvane\\Marvo\\Marvix\\Timers";
inline constexpr char kStopwatchKeyPath[] = "Software\\Tolvane\\Marvo\\Marvix\\Stopwatch";
// The user's own timer presets, each in a numbered subkey.
inline constexpr char kTimerPresetsKeyPath[] = "Software\\Tolvane\\Marvo\\Marvix\\TimerPresets";

struct ClockKeys {
    int number = 0;  // 0: the first clock
    std::string clock;
    std::string program;
    bool First() const { return number == 0; }
};

ClockKeys FirstClockKeys();
ClockKeys OtherClockKeys(int number);
// The numbers of the other clocks stored, in order; a subkey not named by a number is not one.
std::vector<int> StoredClockNumbers();
// The numbers of the subkeys of HKEY_CURRENT_USER\`path` named by a number above 0, in order.
std::vector<int> NumberedSubkeys(const char* path);
// The smallest number no clock has.
int FreeClockNumber();
// The other clock's subkey, and all it holds, removed.
bool RemoveClockKeys(int number);

}  // namespace marvix
