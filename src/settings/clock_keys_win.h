#pragma once

// Where each clock's settings live. The first clock is the one other programs know: the clock's
// key, and the program's subkey "Marvix" for its own settings. Every other clock has a numbered
// subkey of its own under "Marvix\Clocks", which holds both.

#include <string>
#include <vector>

namespace marvix {

inline constexpr char kClocksKeyPath[] = "Software\\Tolvane\\Marvo\\Marvix\\Clocks";

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
// The smallest number no clock has.
int FreeClockNumber();
// The other clock's subkey, and all it holds, removed.
bool RemoveClockKeys(int number);

}  // namespace marvix
