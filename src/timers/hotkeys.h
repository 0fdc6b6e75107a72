#pragma once

// The program's global keys for its timers, as the registry keeps them and a sentence names
// them: "Ctrl+Alt+T". Off until the user sets one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvix {

// What each key does, and the value it is kept in under the program's subkey.
enum class HotkeyUse { LastTimer, Stopwatch, TimersWindow };
inline constexpr HotkeyUse kHotkeyUses[] = {HotkeyUse::LastTimer, HotkeyUse::Stopwatch,
                                            HotkeyUse::TimersWindow};
const char* HotkeyValueName(HotkeyUse use);

// A key with its modifiers, as RegisterHotKey takes them: `key` a virtual-key code (A to Z, 0 to
// 9, F1 to F24), `modifiers` MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8.
struct Hotkey {
    unsigned modifiers = 0;
    unsigned key = 0;
    friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

// "Ctrl+Alt+T"; "" for no key.
std::string HotkeyText(Hotkey hotkey);
// The key a text names (modifiers in any order and case, then one key); nullopt for none, or for
// a key without Ctrl or Alt, which would take that key from every program.
std::optional<Hotkey> ParseHotkey(std::string_view text);

// What the user is told of a key another program holds.
std::string HotkeyTakenText(Hotkey hotkey);

}  // namespace marvix
