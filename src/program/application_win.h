#pragma once

// The program: its owner window (which carries the taskbar button, so HideMe can take it away),
// its clocks (the first, and any others the user added, each in a zone of its own), the help and
// clocks windows they share, and the message loop.

#include <windows.h>

#include <memory>
#include <vector>

#include "base/local_time.h"
#include "base/scoped_handles_win.h"
#include "clock/clock_host_win.h"
#include "clock/program_host_win.h"
#include "clock/running_clock_win.h"
#include "frame/clock_model.h"
#include "program/clocks_window_win.h"
#include "program/program_tick_win.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class AlarmWindow;
class ControlMenuWindow;
class ExitConfirmationWindow;
class SettingsDialog;
class HelpWindow;

class Application final : public SettingsWindowHost, public ProgramHost, public ClockBook {
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
    RunningClock& Clock() { return clocks_.front()->Clock(); }
    ClockParts& Parts() override { return Clock().Parts(); }
    ClockHost& FirstClock() { return *clocks_.front(); }
    // Every clock, the first first.
    const std::vector<std::unique_ptr<ClockHost>>& Clocks() const { return clocks_; }
    // A new clock, copied from `from` with its sounds off, in `zone` and labelled `label`, beside
    // `from`, stored at once; nullptr when it could not be made.
    ClockHost* AddClock(ClockHost& from, const std::string& zone, const std::string& label);
    // Whether the first clock's window is there still: once it is gone, the program is ending.
    bool HasClock() const { return !clocks_.empty() && clocks_.front()->IsLive(); }

    // The font ApplyDialogFont gives dialog controls (DialogFontFor), made once for each
    // resolution.
    HFONT DialogFont(int dpi, bool bold = false) override;
    void ShowTaskbarButton(bool show) override;
    void ShowHelp(const Rect& clock, std::span<const Rect> clearOf) override;
    void ShowHelpFor(HWND window);
    HelpWindow& Help() { return *help_; }
    // The active settings window, whose keys go through IsDialogMessage.
    void SetActiveDialog(HWND dialog) override { activeDialog_ = dialog; }
    std::optional<Rect> MenuFrame() const override { return clocks_.front()->MenuFrame(); }
    std::vector<Rect> OpenSettingsFrames() const override;

    void StopProgram() override;
    void ClockGone(ClockHost& clock) override;
    void ReadingsChanged() override;
    void TellLater(std::string text) override;
    void ShowClocksFromTray() override;
    void ChooseClockFromTray(HWND icon) override;
    std::vector<Rect> OtherClockFrames(const ClockHost& clock) const override;
    void ShowClocksWindow(ClockHost& clock) override;
    ProgramTick& Beat() override { return tick_; }
    // The clocks window, made when first wanted.
    ClocksWindow& ClocksList();

    // ClockBook
    std::vector<ClockHost*> LiveClocks() const override;
    bool AddClockFor(const std::string& zone, const std::string& label) override;

private:
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    std::unique_ptr<ClockHost> MakeClock(ClockKeys keys);
    // Every clock's window destroyed (each saves as it goes) but `going`'s, which already is.
    void StopClocks(const ClockHost* going);
    // Clocks whose windows are gone leave the list once their handlers are done.
    void DropGoneClocks();
    // The clock the clocks window was last opened from, or the first clock once that one is gone:
    // "Add…" copies it.
    ClockHost& OpenedFrom() {
        return openedFrom_ && openedFrom_->IsLive() ? *openedFrom_ : FirstClock();
    }

    // The clocks window's host is the clock it was opened from: the window comes up beside that
    // clock, clear of its menu and of its windows.
    class ClocksWindowHost final : public SettingsWindowHost {
    public:
        explicit ClocksWindowHost(Application& app) : app_(app) {}
        HINSTANCE Instance() const override { return app_.Instance(); }
        HWND Owner() const override { return app_.Owner(); }
        HFONT DialogFont(int dpi, bool bold) override { return app_.DialogFont(dpi, bold); }
        void SetActiveDialog(HWND dialog) override { app_.SetActiveDialog(dialog); }
        ClockParts& Parts() override { return app_.OpenedFrom().Parts(); }
        std::optional<Rect> MenuFrame() const override { return app_.OpenedFrom().MenuFrame(); }
        std::vector<Rect> OpenSettingsFrames() const override {
            return app_.OpenedFrom().OpenSettingsFrames();
        }

    private:
        Application& app_;
    };

    HINSTANCE instance_;
    TimeSource& time_;
    SettingsWindowFactory settingsWindows_;
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
    std::vector<std::unique_ptr<ClockHost>> clocks_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<ClocksWindow> clocksWindow_;
    ClockHost* openedFrom_ = nullptr;  // see OpenedFrom
    ClocksWindowHost clocksHost_{*this};
    std::vector<std::string> toTell_;
    HWND activeDialog_ = nullptr;
    bool stopping_ = false;
    bool ending_ = false;        // in the destructor
    UINT showClockMessage_ = 0;  // from a later start of the program (see SingleClock)
    UINT stopClockMessage_ = 0;  // from an installer or uninstaller
};

}  // namespace marvix
