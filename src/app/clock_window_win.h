#pragma once

// ClockWindow, the clock window: borderless, cut to its shape, showing the frame the tick composes.
// It owns ClockSettings, the pictures, the timers and the tray icon for the life of the process:
// it reads the settings while it is created and the display fonts at its first activation, and
// writes everything back when it is destroyed (or when Windows ends the session).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/clock_owner_win.h"
#include "app/clock_pictures_win.h"
#include "app/clock_timers_win.h"
#include "app/configuration_files_win.h"
#include "app/settings_saver_win.h"
#include "app/tray_icon_win.h"
#include "app/window_drag_win.h"
#include "frame/frame_cache.h"
#include "frame/live_state.h"
#include "frame/placement.h"
#include "frame/tick_plan.h"
#include "settings/clock_settings.h"
#include "sound/sound_player_win.h"
#include "windows/clock_controls.h"

namespace marvix {

class ClockWindow final : public ClockControls {
public:
    static constexpr char kClassName[] = "TForm1";

    static ScopedWindowClass RegisterWindowClass(HINSTANCE instance);
    ClockWindow(ClockOwner& app, TimeSource& clock);
    ClockWindow(const ClockWindow&) = delete;
    ClockWindow& operator=(const ClockWindow&) = delete;
    // Creates the window hidden; Created has run when this returns.
    bool Create();

    HWND Window() const { return hwnd_; }
    ClockPictures& Pictures() { return *pictures_; }
    const TrayIcon& Tray() const { return tray_; }
    bool IsDragging() const { return drag_.Active(); }
    bool TimersRunning() const { return timers_.Running(); }
    // The tick's step: 10 ms in smooth mode, else 250. A smooth tick sleeps over the steps that
    // would change nothing (see StepsToNextTick): NextTickIn is how long the timer sleeps now.
    UINT TickStep() const { return timers_.Step(); }
    UINT NextTickIn() const { return timers_.NextTickIn(); }
    // How many frames have reached the window since it was created: a tick that changes no
    // pixel sends none.
    unsigned FramesShown() const { return framesShown_; }
    // The instant the last frame was composed for, as the clock's seam gave it.
    const ClockInstant& Instant() const { return now_; }
    const SoundLatches& Sounds() const { return sounds_; }
    const LiveState& Live() const { return live_; }
    // Whether the window has been activated yet (the display fonts are read then).
    bool WasActivated() const { return activated_; }

    // Where every sound goes: a new worker thread per request, unless a test puts a recorder in
    // its place.
    void UsePlayer(SoundPlayer& player) { player_ = &player; }

    // What the settings windows may ask (see ClockControls).
    const ClockSettings& Settings() const override { return settings_; }
    ClockSettings& ChangeSettings() override {
        saver_.NoteChange();
        return settings_;
    }
    Rect Frame() const override { return {frame_.left, frame_.top, frame_.right, frame_.bottom}; }
    Size FaceSize() const override { return pictures_->face.GetSize(); }
    Size ScreenArea() const override { return live_.screen; }
    Rect Desktop() const override;
    void Reshape() override;
    void Restack() override;
    void MoveTo(Point topLeft) override;
    void ResizeSnapshot(Size size) override;
    void TakeSnapshot() override;
    void ShowTaskbarButton(bool show) override;
    void Retime() override;
    // Composes the frame from the settings as they are now and shows it, without the rest of a
    // tick (no sounds, no clamp): a setting changed in a dialog shows at once.
    void Redraw() override;
    // The twelve font slots come from the registry once, at the first activation, or earlier when
    // a settings window shows them first (a clock started in the tray may never be activated).
    const DisplayFonts& ReadDisplayFonts() override;
    void ApplyDisplayFont(size_t slot) override;
    // A face picked in the face window: tested and loaded, or the fallback for one too large for
    // the screen, then the window fitted, held on the screen and cut to its shape. BackPic names
    // it only when both pictures loaded, so that the next start shows what is shown now.
    void LoadFace(const std::string& path) override;
    // Configuration files, as the configurations window loads and saves them; every failure is
    // reported through the message seam. A file that does not load changes nothing.
    bool LoadConfiguration(const std::string& path) override;
    bool SaveConfiguration(const std::string& path) override;
    void Play(const SoundRequest& request) override { player_->Play(request); }

    // Another start of the program found this clock running: it is what the user wanted to see,
    // brought out of the tray and to the front.
    void ComeForward();
    // Holds the window on the work area of its monitor, or with IgnoreBoundary brings it back
    // only from off every monitor; returns whether it moved.
    bool KeepOnScreen();
    // Something other than time may have changed the frame or the sounds: the tick comes at its
    // next step rather than when it was planned.
    void TickSoon() { timers_.TickSoon(); }

    // The timers' handlers, public so that tests and benchmarks can drive them.
    void Tick();
    void PaceTickTock();
    void BlinkColons();
    // Every half second: saves the settings once a change has settled (see SettingsSaver).
    void SaveTimer();
    // Every half second, the tick's pause in the tray notwithstanding: the clock in words, for
    // the tray icon's tip and for screen readers, made anew when the minute turns or the time
    // is set; a screen reader is told of each new reading.
    void ReadTheClock();
    // Every second: monitors plugged or unplugged, or a work area changed, are handled as
    // WM_DISPLAYCHANGE handles them. Windows sends that message, but Wine sends no window any
    // word of a monitor the X server took away; the look costs a fifth of a millisecond there.
    void WatchMonitors();
    // Once start-up is over (every window created and filled): the record as it stands is the
    // one the settled saves compare with, so that only later changes are written.
    void MarkSettingsUnchanged();
    // Where the settings are read and written: the registry, unless a test counts the writes.
    void UseRegistry(RegistryValues& store) { saver_.UseStore(store); }
    bool IsSaving() const { return saver_.IsSaving(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Created();
    void Activated();
    void Shutdown();
    void LoadDisplayFonts();
    void SaveSettings();
    void Paint();
    void ButtonDown(UINT button);
    void MouseMoved();
    void ButtonUp(UINT button);
    void HideToTray();
    void TrayIconClicked(LPARAM mouseMessage);
    void ShowFromTray();
    void PlanNextTick();
    void FitWindowToFace();
    void ApplyLoadedSettings();
    // The main screen's maximised-window area and the monitors, taken anew.
    void RefreshScreens();
    // Monitors came or went: the clock goes back to its own place, FL, FT, if a monitor shows
    // it, else onto the nearest.
    void DisplaysChanged();
    // Composes the frame and shows what changed; returns whether the frame may have changed.
    bool ComposeAndShow();
    void ShowFrame(Rect area);

    HWND hwnd_ = nullptr;  // until the window is made, and once it is gone
    ClockOwner& app_;
    TimeSource& clock_;
    ClockInstant now_;  // the instant the last frame was composed for
    SoundLatches sounds_;
    ClockSettings settings_;
    LiveState live_;
    std::vector<Monitor> monitors_;
    std::vector<Monitor> monitorsSeen_;  // the last look's, kept so that a look allocates nothing
    bool watchMonitorsNext_ = false;  // every other half-second check looks at the monitors
    LocalTime readMinute_{0, 0, 0, 0, 0, 0, 0, 0};  // the minute ReadTheClock last read
    // The clock in words, for the tray tip and as the window's accessible name: what a screen
    // reader says the clock is.
    std::string reading_;
    ConfigurationFiles files_;
    std::unique_ptr<ClockPictures> pictures_;
    FrameCache frameCache_;
    ClockTimers timers_;
    SettingsSaver saver_;
    TrayIcon tray_;
    TPlayFile ownPlayer_;
    SoundPlayer* player_ = &ownPlayer_;
    bool activated_ = false;  // the first activation has been handled
    WindowDrag drag_;
    RECT frame_{};  // the window's rectangle, as of its last move or resize
    bool displayFontsRead_ = false;
    unsigned framesShown_ = 0;
};

}  // namespace marvix
