#pragma once

// One clock of the program: its settings record, the zone it keeps time in, the running clock
// with its window, and the windows opened from its control menu, every one of them bound to this
// clock. The first clock is the one the clock's key has always held; the program may hold others.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "clock/clock_owner_win.h"
#include "clock/clock_time_win.h"
#include "clock/program_commands_win.h"
#include "clock/program_host_win.h"
#include "clock/running_clock_win.h"
#include "frame/clock_model.h"
#include "settings/clock_keys_win.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class AlarmWindow;
class ControlMenuWindow;
class ExitConfirmationWindow;
class SettingsDialog;

class ClockHost final : public SettingsWindowHost, public ClockOwner, public ProgramCommands {
public:
    ClockHost(ProgramHost& program, TimeSource& computer, SettingsWindowFactory settingsWindows,
              ClockKeys keys);
    ~ClockHost();
    ClockHost(const ClockHost&) = delete;
    ClockHost& operator=(const ClockHost&) = delete;

    // Creates the clock's window with its settings read (hidden when it starts in the tray).
    bool Create();
    // Shows the clock unless it starts in the tray.
    void ShowAtStart();
    const ClockKeys& Keys() const { return keys_; }
    // The time in the clock's zone, and the instant it shows a given time.
    ClockTime& Time() { return time_; }
    bool IsFirst() const { return keys_.First(); }
    // Whether its window is there still.
    bool IsLive() const { return running_ && running_->Window(); }
    // Removed by the user: it is gone with its subkey.
    bool WasRemoved() const { return removed_; }
    // The user's Remove (or STOP on a clock other than the first), once they say yes: its window
    // and its subkey go. Returns whether it went.
    bool RemoveAfterAsking();
    ClockModel& Model() { return model_; }
    const ClockModel& Model() const { return model_; }
    // The label, or the zone's first place, or "" for the first clock on local time.
    std::string Name() const;
    // The name, or "This computer" where it has none: how lists of clocks name it.
    std::string ListedName() const;

    // Made when first wanted.
    ControlMenuWindow& ControlMenu();
    ExitConfirmationWindow& ExitConfirmation();
    SettingsDialog& Dialog(DialogId id);
    AlarmWindow* Alarm() { return alarm_.get(); }
    bool OwnsWindow(HWND window) const;
    // Its menu and settings windows that show over `clock` (this clock, moved by a loaded file, or
    // a new clock that found no room clear of them) moved beside this clock again, the menu first,
    // since the settings windows keep clear of it.
    void KeepWindowsClearOf(const Rect& clock);

    // SettingsWindowHost
    HINSTANCE Instance() const override { return program_.Instance(); }
    HWND Owner() const override { return program_.Owner(); }
    HFONT DialogFont(int dpi, bool bold = false) override { return program_.DialogFont(dpi, bold); }
    void SetActiveDialog(HWND dialog) override { program_.SetActiveDialog(dialog); }
    RunningClock& Clock() { return *running_; }
    ClockParts& Parts() override { return running_->Parts(); }
    std::optional<Rect> MenuFrame() const override;
    std::vector<Rect> OpenSettingsFrames() const override;
    // Another clock's windows say whose they are; the first clock's keep their captions.
    std::string Whose() const override { return IsFirst() ? std::string() : Name(); }
    void AlarmsChanged() override { program_.AlarmsChanged(); }
    std::optional<std::string> CannotWake() const override { return program_.CannotWake(); }

    // ClockOwner
    void ShowTaskbarButton(bool show) override { program_.ShowTaskbarButton(show); }
    void ShowMenuOrExitConfirmation() override;
    void ConfigurationLoaded() override;
    void ShowLiveValues() override;
    void ShowAlarm(const AlarmNotice& notice, bool canSnooze) override;
    void HideAlarm() override;
    void ClockDestroyed() override { program_.ClockGone(*this); }
    void ReadingChanged() override;
    void TrayIconPressed() override { program_.ShowClocksFromTray(); }
    void TrayMenuWanted(HWND icon) override { program_.ChooseClockFromTray(icon); }
    void ShowCalendar() override { ShowProgramWindow(ProgramHost::Window::Calendar); }

    // ProgramCommands
    void ShowSettingsWindow(DialogId id) override;
    void ShowHelp() override;
    void ShowProgramWindow(ProgramHost::Window window) override;
    // "STOP": the program ends from the first clock; another clock is removed, after asking.
    void Terminate() override;

private:
    ProgramHost& program_;
    SettingsWindowFactory settingsWindows_;
    ClockKeys keys_;
    ClockModel model_;
    ClockTime time_;
    std::unique_ptr<RunningClock> running_;
    std::unique_ptr<ControlMenuWindow> controlMenu_;
    std::unique_ptr<ExitConfirmationWindow> exitConfirmation_;
    std::array<std::unique_ptr<SettingsDialog>, kDialogCount> dialogs_;
    std::unique_ptr<AlarmWindow> alarm_;
    bool removed_ = false;
    bool toldZoneLost_ = false;
};

}  // namespace marvix
