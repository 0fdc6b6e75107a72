#pragma once

// The Timers window ("Timers", class MarvixTimers). On the left a new timer: a label, a length
// or steps typed as people say them, or a moment to count down to, its rounds, warning, colour,
// opacity and sound, started with Enter, a preset, the user's own presets or the command line.
// On the right the timers listed with their time left, paused, resumed, restarted, given a
// minute more or removed, by buttons or keys (Space and Delete in the list); the stopwatch with
// its laps, which "Copy" puts on the clipboard; and the keys that work in every program. Text it
// cannot read gets a sentence saying what it takes, and nothing changes.

#include <functional>
#include <string>
#include <vector>

#include "program/program_timers_win.h"
#include "program/timer_hotkeys_win.h"
#include "program/timer_presets_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

class TimersWindow final : public SettingsDialog {
public:
    // `clockNumber` names the clock the window was opened from, on which its timers show.
    TimersWindow(SettingsWindowHost& host, ProgramTimers& timers, TimerHotkeys& hotkeys,
                 std::function<int()> clockNumber);

    // clang-format off
    enum ControlId {
        kLabel = 401, kLength, kRounds, kForever, kWarn, kStart, kProblem, kList, kPause, kRestart,
        kAddMinute, kRemove, kWatchTime, kWatchStart, kLap, kReset, kCopy, kLaps, kPomodoro,
        kKeyProblem, kWatchOnClock, kUntil, kWarnLength, kColour, kOpacity, kSound, kBrowse,
        kOnClock, kPresets, kKeepPreset, kWake,
        kKey,  // the first of the keys' fields, one for each use (kHotkeyUses)
        kPreset = kKey + 3,  // the first of the presets' buttons, one for each of kPresetMinutes
    };
    // clang-format on
    static constexpr int kPresetMinutes[] = {1, 3, 5, 10, 15, 25, 45};

    void ShowSettings() override;
    // The timers' and the stopwatch's times as they are now; only what changed is written.
    void ShowTimes();
    // The timer the list has chosen, if any.
    std::optional<int> Chosen() const;

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
    void EnterPressed(HWND focus) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A new timer from the fields, of `seconds` (or the length, steps or moment typed when
    // none).
    void StartTyped(std::optional<int64_t> seconds = std::nullopt);
    // The timer the fields describe, or nullopt once the sentence says what was wrong.
    std::optional<TimerPlan> TypedPlan(std::optional<int64_t> seconds, bool momentToo);
    TimerLook TypedLook() const;
    void Start(TimerPlan plan, TimerLook look);
    void StartPomodoro();
    void KeepPreset();
    void ShowPresets();
    void StartPreset();
    void ForgetPreset();
    void Refuse(const char* accepted);
    bool Checked(int id) const;
    void OnChosen(void (ProgramTimers::*change)(int));
    void CopyLaps();
    // A key field changed: the key set for every program, or the sentence why it cannot be.
    void KeyChanged(HotkeyUse use);
    std::string LineOf(const Timer& timer, int64_t nowMs) const;
    HWND Control(int id) const { return GetDlgItem(Window(), id); }
    void SetText(int id, const std::string& text);

    ProgramTimers& timers_;
    TimerPresets presets_;
    Colour colour_ = TimerLook{}.colour;
    TimerHotkeys& hotkeys_;
    std::function<int()> clockNumber_;
    std::vector<int> listed_;         // the timers' numbers, in the list's order
    std::vector<std::string> lines_;  // what the list shows
    size_t lapsShown_ = 0;
};

}  // namespace marvix
