#pragma once

// The program's keys for its timers that work in every program (RegisterHotKey on the owner
// window): off until the user sets one, kept under the program's subkey, and let go when the
// program ends. A key another program holds is said in a sentence and stays off.

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "timers/hotkeys.h"

namespace marvix {

class TimerHotkeys {
public:
    TimerHotkeys() = default;
    ~TimerHotkeys();
    TimerHotkeys(const TimerHotkeys&) = delete;
    TimerHotkeys& operator=(const TimerHotkeys&) = delete;

    // Registers every key the registry keeps on `owner`; a sentence for each another program
    // holds.
    std::vector<std::string> RegisterStored(HWND owner);
    // The key for `use` set (none: off) and kept; a sentence when another program holds it,
    // and the key is off then.
    std::string Set(HotkeyUse use, std::optional<Hotkey> hotkey);
    std::optional<Hotkey> Get(HotkeyUse use) const { return keys_[size_t(use)]; }
    // What a WM_HOTKEY's identifier asks for.
    static std::optional<HotkeyUse> UseOf(WPARAM id);

private:
    bool Register(HotkeyUse use, Hotkey hotkey);
    void Unregister(HotkeyUse use);

    HWND owner_ = nullptr;
    std::array<std::optional<Hotkey>, std::size(kHotkeyUses)> keys_{};
};

}  // namespace marvix
