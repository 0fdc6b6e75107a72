#include "timers/hotkeys.h"

#include <cctype>

namespace marvix {

namespace {

constexpr struct {
    unsigned flag;
    const char* name;
} kModifiers[] = {{2, "Ctrl"}, {1, "Alt"}, {4, "Shift"}, {8, "Win"}};

constexpr unsigned kF1 = 0x70;

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string KeyName(unsigned key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
    if (key >= kF1 && key < kF1 + 24) return "F" + std::to_string(key - kF1 + 1);
    return {};
}

std::optional<unsigned> KeyNamed(std::string_view name) {
    for (unsigned key = 0; key < 0x100; ++key)
        if (const std::string known = KeyName(key); !known.empty() && SameWord(known, name))
            return key;
    return std::nullopt;
}

}  // namespace

const char* HotkeyValueName(HotkeyUse use) {
    switch (use) {
        case HotkeyUse::LastTimer: return "TimerKey";
        case HotkeyUse::Stopwatch: return "StopwatchKey";
        case HotkeyUse::TimersWindow: return "TimersKey";
    }
    return "";
}

std::string HotkeyText(Hotkey hotkey) {
    const std::string key = KeyName(hotkey.key);
    if (key.empty()) return {};
    std::string text;
    for (const auto& modifier : kModifiers)
        if (hotkey.modifiers & modifier.flag) text += std::string(modifier.name) + "+";
    return text + key;
}

std::optional<Hotkey> ParseHotkey(std::string_view text) {
    Hotkey hotkey;
    for (;;) {
        const size_t plus = text.find('+');
        const std::string_view word = text.substr(0, plus);
        if (plus == std::string_view::npos) {
            const std::optional<unsigned> key = KeyNamed(word);
            if (!key || !(hotkey.modifiers & 3)) return std::nullopt;
            hotkey.key = *key;
            return hotkey;
        }
        bool known = false;
        for (const auto& modifier : kModifiers) {
            if (!SameWord(word, modifier.name)) continue;
            hotkey.modifiers |= modifier.flag;
            known = true;
        }
        if (!known) return std::nullopt;
        text.remove_prefix(plus + 1);
    }
}

std::string HotkeyTakenText(Hotkey hotkey) {
    return HotkeyText(hotkey) + " is held by another program: choose another key.";
}

}  // namespace marvix
