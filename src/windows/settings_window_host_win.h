#pragma once

// What a settings window needs of the program that holds it: where its windows belong, the
// dialog font, the keyboard routing of the active window, and the clock it changes. The program
// makes its settings windows through a factory it is handed, so that it needs none of them to be
// built.

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"

#include "windows/clock_parts.h"

namespace marvix {

class SettingsDialog;

enum class DialogId { Hands, Phases, Face, Digital, Alarms, Configurations, Spelling };
inline constexpr size_t kDialogCount = 7;

class SettingsWindowHost {
public:
    virtual HINSTANCE Instance() const = 0;
    // The window that owns every window of the program (and carries its taskbar button).
    virtual HWND Owner() const = 0;
    // The font every settings window gives its controls at this many pixels per inch, made once
    // for each.
    virtual HFONT DialogFont(int dpi, bool bold = false) = 0;
    // The active settings window, whose keys the message loop passes through IsDialogMessage.
    virtual void SetActiveDialog(HWND dialog) = 0;
    // The clock these windows change, as its parts.
    virtual ClockParts& Parts() = 0;
    // The control menu's frame while it shows: a window it opens comes up clear of it.
    virtual std::optional<Rect> MenuFrame() const = 0;
    // The frames of the settings windows that show: a window opening keeps clear of them where
    // the monitor has room.
    virtual std::vector<Rect> OpenSettingsFrames() const = 0;
    // Whose windows these are, added to every caption ("Marvix Face (Tokyo)"): empty for the
    // first clock and for the program's own windows, whose captions stay as they are.
    virtual std::string Whose() const { return {}; }
    // An alarm changed: the computer's wake is planned again now rather than within the minute.
    virtual void AlarmsChanged() {}
    // Why this computer cannot wake itself for alarms, as Windows last answered; nullopt when it
    // can, or while nothing has asked it to wake.
    virtual std::optional<std::string> CannotWake() const { return std::nullopt; }

protected:
    ~SettingsWindowHost() = default;
};

// The settings windows as the program's entry hands them in: how one is made, and what the windows
// write into a clock's settings whenever they are filled (the effective hand geometry, the
// window's size), which every clock's start writes too, so that the key holds it whether or not a
// window is ever opened.
struct SettingsWindowFactory {
    std::unique_ptr<SettingsDialog> (*make)(SettingsWindowHost& host, DialogId id);
    void (*writeBack)(ClockParts& clock);
};

}  // namespace marvix
