#pragma once

// The program: its owner window (which carries the taskbar button, so HideMe can take it away),
// the clock window and the nine other windows, created in their fixed order, and the message
// loop.

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "app/clock_owner_win.h"
#include "app/program_commands_win.h"
#include "app/running_clock_win.h"
#include "base/local_time.h"
#include "base/scoped_handles_win.h"
#include "frame/clock_model.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class AlarmWindow;
class ControlMenuWindow;
class ExitConfirmationWindow;
class SettingsDialog;
class HelpWindow;

class Application final : public SettingsWindowHost, public ClockOwner, public ProgramCommands {
public:
    // The settings windows come from `makeSettingsWindow`, which the program's entry hands in.
    Application(HINSTANCE instance, TimeSource& clock, SettingsWindowFactory makeSettingsWindow);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the owner window, then ClockWindow, HandsWindow, ControlMenuWindow, FaceWindow, DigitalWindow, AlarmsWindow, ConfigurationsWindow,
    // ExitConfirmationWindow, PhaseWindow, SpellingWindow. Only the clock is shown (unless it starts in the tray).
    bool Create();
    // Runs the message loop until the clock window is gone.
    int Run();
    // One message of the loop: keys for the active settings window go through IsDialogMessage.
    void Dispatch(MSG& message);

    HINSTANCE Instance() const override { return instance_; }
    HWND Owner() const override { return owner_; }
    RunningClock& Clock() override { return *clock_; }
    // The clock apart from its window: its settings, live state and the rules of its tick.
    ClockModel& Model() { return model_; }
    // Whether the clock window is there still: once it is gone, the program is ending.
    bool HasClock() const { return LiveClock() != nullptr; }
    // The menu and the settings windows are made when first wanted: most days they never are,
    // and each holds dozens of controls, with their texts and fonts.
    ControlMenuWindow& ControlMenu();
    ExitConfirmationWindow& ExitConfirmation();
    SettingsDialog& Dialog(DialogId id);

    // The font ApplyDialogFont gives dialog controls (DialogFontFor), made once for each
    // resolution.
    HFONT DialogFont(int dpi, bool bold = false) override;
    void ShowTaskbarButton(bool show) override;
    // Right button on the clock or on the tray icon.
    void ShowMenuOrExitConfirmation() override;
    void ShowSettingsWindow(DialogId id) override;
    // "Help": the help at its contents; F1 in a window: at that window's topic.
    void ShowHelp() override;
    void ShowHelpFor(HWND window);
    HelpWindow& Help() { return *help_; }
    // After a configuration file is loaded: every open settings window shows the new values.
    void RefreshOpenDialogs() override;
    // After every frame: open settings windows show what the clock has just changed.
    void ShowLiveValues() override;
    // "STOP" and "Yes": ends the program; the clock window's destruction saves the settings.
    void Terminate() override;

    void ClockDestroyed() override;
    // The alarm window, made when an alarm first rings.
    void ShowAlarm(const AlarmNotice& notice, bool canSnooze) override;
    void HideAlarm() override;
    AlarmWindow* Alarm() { return alarm_.get(); }
    // The active settings window, whose keys go through IsDialogMessage.
    void SetActiveDialog(HWND dialog) override { activeDialog_ = dialog; }
    std::optional<Rect> MenuFrame() const override;
    std::vector<Rect> OpenSettingsFrames() const override;

private:
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    RunningClock* LiveClock() const { return clock_ && clock_->Window() ? clock_.get() : nullptr; }

    HINSTANCE instance_;
    TimeSource& time_;
    SettingsWindowFactory makeSettingsWindow_;
    // The classes outlive their windows: the destructor destroys every window first.
    ScopedWindowClass ownerClass_;
    ScopedWindowClass clockClass_;
    struct DialogFontAt {
        int dpi;
        bool bold;
        ScopedFont font;
    };
    std::vector<DialogFontAt> dialogFonts_;
    HWND owner_ = nullptr;
    ClockModel model_;
    std::unique_ptr<RunningClock> clock_;
    std::unique_ptr<ControlMenuWindow> controlMenu_;
    std::unique_ptr<ExitConfirmationWindow> exitConfirmation_;
    std::array<std::unique_ptr<SettingsDialog>, kDialogCount> dialogs_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<AlarmWindow> alarm_;
    HWND activeDialog_ = nullptr;
    UINT showClockMessage_ = 0;  // from a later start of the program (see SingleClock)
    UINT stopClockMessage_ = 0;  // from an installer or uninstaller
};

}  // namespace marvix
