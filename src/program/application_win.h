#pragma once

// The program: its owner window (which carries the taskbar button, so HideMe can take it away, and
// the one timer every clock's tick rides on), its clocks, their timers, the windows they share
// (help, the clocks window, the calendar) and the message loop.

#include <windows.h>

#include <memory>
#include <vector>

#include "base/scoped_handles_win.h"
#include "clock/clock_host_win.h"
#include "clock/program_host_win.h"
#include "program/clock_list_win.h"
#include "program/clocks_window_win.h"
#include "program/program_tick_win.h"
#include "program/program_windows_win.h"
#include "program/timers_room_win.h"
#include "timers/timer_command.h"

namespace marvix {

// What a start of the program was asked on its command line, or a later start handed over.
void RunCommand(class Application& app, const TimerCommand& command);
// What one of the timers' keys for every program asks for.
void RunHotkey(class Application& app, HotkeyUse use);

class Application final : public ProgramHost, public ClockBook {
public:
    // The settings windows come from `settingsWindows`, which the program's entry hands in.
    Application(HINSTANCE instance, TimeSource& clock, SettingsWindowFactory settingsWindows);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the owner window, then the first clock and every other clock stored, and shows
    // them (unless they start in the tray). Their menus and settings windows come when wanted.
    bool Create();
    // Runs the message loop until every clock window is gone.
    int Run();
    // One message of the loop: keys for the active settings window go through IsDialogMessage.
    void Dispatch(MSG& message);

    HINSTANCE Instance() const override { return instance_; }
    HWND Owner() const override { return owner_; }
    // The first clock: the one the clock's key holds, which the program cannot be without.
    ClockHost& FirstClock() { return clocks_.First(); }
    // Every clock, the first first.
    const std::vector<std::unique_ptr<ClockHost>>& Clocks() const { return clocks_.All(); }
    // Whether the first clock's window is there still: once it is gone, the program is ending.
    bool HasClock() const { return clocks_.FirstIsLive(); }

    // The font ApplyDialogFont gives dialog controls (DialogFontFor), made once for each
    // resolution.
    HFONT DialogFont(int dpi, bool bold = false) override;
    void ShowTaskbarButton(bool show) override;
    void ShowHelp(const Rect& clock, std::span<const Rect> clearOf) override;
    // The active settings window, whose keys go through IsDialogMessage.
    void SetActiveDialog(HWND dialog) override { activeDialog_ = dialog; }

    void StopProgram() override;
    void ClockGone(ClockHost& clock) override;
    void ReadingsChanged() override;
    void TellLater(std::string text) override;
    void ShowClocksFromTray() override;
    void ChooseClockFromTray(HWND icon) override;
    std::vector<Rect> OtherClockFrames(const ClockHost& clock) const override {
        return clocks_.FramesBeside(clock);
    }
    void ShowProgramWindow(Window window, ClockHost& clock) override;
    ProgramTick& Beat() override { return tick_; }
    void AlarmsChanged() override;
    std::optional<std::string> CannotWake() const override { return timers_.Wake().CannotWake(); }
    // Help, the clocks window and the calendar.
    ProgramWindows& Windows() { return windows_; }
    TimersRoom& Timers() { return timers_; }

    // ClockBook
    void ListLiveClocks(std::vector<ClockHost*>& live) const override { clocks_.ListLive(live); }
    bool AddClockFor(const std::string& zone, const std::string& label) override;

private:
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The computer goes to sleep or woke (WM_POWERBROADCAST).
    void PowerChanged(WPARAM event);

    HINSTANCE instance_;
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
    // Before the clocks: each leaves it as its window goes.
    ProgramTick tick_;
    ClockList clocks_;
    ProgramWindows windows_{*this, clocks_, *this, timers_};
    // After the clocks: a timer's alarm window goes before the clock it stands beside.
    TimersRoom timers_;
    std::vector<std::string> toTell_;
    // The tray's tip: the clocks' lines, made when a reading changes, and the whole tip, the
    // timers' lines added every second while one runs (its room kept, so that takes no memory).
    std::string clocksTip_;
    std::string tip_ = std::string(kTrayTipRoom + 1, ' ');
    HWND activeDialog_ = nullptr;
    bool stopping_ = false;
    bool ending_ = false;        // in the destructor
    UINT showClockMessage_ = 0;  // from a later start of the program (see SingleClock)
    UINT stopClockMessage_ = 0;  // from an installer or uninstaller
};

}  // namespace marvix
