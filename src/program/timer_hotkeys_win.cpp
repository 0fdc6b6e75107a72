#include "program/timer_hotkeys_win.h"

#include "settings/registry_store_win.h"

namespace marvix {

namespace {

// Identifiers of our own, within the range RegisterHotKey leaves to programs.
constexpr int kFirstId = 0x4D00;

}  // namespace

TimerHotkeys::~TimerHotkeys() {
    for (HotkeyUse use : kHotkeyUses) Unregister(use);
}

std::optional<HotkeyUse> TimerHotkeys::UseOf(WPARAM id) {
    for (HotkeyUse use : kHotkeyUses)
        if (id == WPARAM(kFirstId + int(use))) return use;
    return std::nullopt;
}

bool TimerHotkeys::Register(HotkeyUse use, Hotkey hotkey) {
    if (!RegisterHotKey(owner_, kFirstId + int(use), hotkey.modifiers | MOD_NOREPEAT, hotkey.key))
        return false;
    keys_[size_t(use)] = hotkey;
    return true;
}

void TimerHotkeys::Unregister(HotkeyUse use) {
    if (keys_[size_t(use)]) UnregisterHotKey(owner_, kFirstId + int(use));
    keys_[size_t(use)].reset();
}

std::vector<std::string> TimerHotkeys::RegisterStored(HWND owner) {
    owner_ = owner;
    std::vector<std::string> taken;
    Win32Registry program(kProgramKeyPath);
    for (HotkeyUse use : kHotkeyUses) {
        const std::optional<Hotkey> stored =
            ParseHotkey(program.ReadValue(HotkeyValueName(use)).text.value_or(""));
        if (stored && !Register(use, *stored)) taken.push_back(HotkeyTakenText(*stored));
    }
    return taken;
}

std::string TimerHotkeys::Set(HotkeyUse use, std::optional<Hotkey> hotkey) {
    if (Get(use) == hotkey) return {};
    Unregister(use);
    const bool registered = !hotkey || Register(use, *hotkey);
    Win32Registry program(kProgramKeyPath);
    program.WriteValue(HotkeyValueName(use), registered && hotkey ? HotkeyText(*hotkey) : "");
    return registered ? std::string() : HotkeyTakenText(*hotkey);
}

}  // namespace marvix
