#pragma once

// The running clock: its model (which the program owns), its window, where the window stands,
// its pictures, its timers, where its settings are saved and its configuration files, tied
// together. The settings windows reach its parts through ClockParts; the window reaches it
// through ClockWindowEvents; the model tells it of every edit.

#include <windows.h>

#include <memory>
#include <span>
#include <string>

#include "base/system_time_win.h"
#include "clock/clock_bell_win.h"
#include "clock/clock_face_win.h"
#include "clock/clock_in_words_win.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_pictures_win.h"
#include "clock/clock_placement_win.h"
#include "clock/clock_timers_win.h"
#include "clock/clock_window_win.h"
#include "clock/configuration_files_win.h"
#include "clock/settings_saver_win.h"
#include "frame/clock_model.h"
#include "windows/clock_parts.h"

namespace marvix {

class RunningClock final : private ClockWindowEvents, private ClockModel::Observer {
public:
    // `clock` gives the time in the clock's zone; `keys` say where its settings are kept.
    RunningClock(ClockOwner& app, ClockModel& model, TimeSource& clock,
                 const ClockKeys& keys = FirstClockKeys());
    RunningClock(const RunningClock&) = delete;
    RunningClock& operator=(const RunningClock&) = delete;
    // Creates the window hidden, with the settings read and the face in place.
    bool Create() { return window_.Create(); }

    HWND Window() const { return window_.Window(); }
    const ClockModel& Model() const { return model_; }
    const TrayIcon& Tray() const { return window_.Tray(); }
    bool IsDragging() const { return window_.IsDragging(); }
    // The tick's timers. Its step is 10 ms in smooth mode, else 250; a smooth tick sleeps over the
    // steps that would change nothing (see StepsToNextTick).
    ClockTimers& Timers() { return timers_; }
    // Whether the window has been activated yet (the display fonts are read then).
    bool WasActivated() const { return activated_; }
    // Where the clock's time comes from: its zone's.
    TimeSource& ClockTime() { return clock_; }
    // The tray icon, which only the first clock has, says `words`.
    void ShowInTray(std::string_view tip) { window_.Tray().SetTip(tip); }
    // A new clock: beside `anchor` (the clock it was made from) on that clock's monitor, clear of
    // it and of `clearOf` (the other clocks), then of `ratherClearOf` (the windows open), where
    // there is room, and kept there.
    void PlaceBeside(Rect anchor, std::span<const Rect> clearOf,
                     std::span<const Rect> ratherClearOf);

    ClockBell& Bell() { return bell_; }
    // Where the settings are read and written (the registry, unless a test counts the writes),
    // and when.
    SettingsSaver& Saver() { return saver_; }

    // What the settings windows reach: the clock's settings, its look, its place, its files and
    // its sounds.
    ClockParts& Parts() { return parts_; }
    const ClockSettings& Settings() const { return model_.Settings(); }
    ClockFace& Face() { return face_; }
    ClockPlacement& Placement() { return placement_; }

    // Another start of the program found this clock running: it is what the user wanted to see,
    // brought out of the tray and to the front.
    void ComeForward();

    // The timers' handlers, public so that tests and benchmarks can drive them.
    void Tick();
    void PaceTickTock();
    void BlinkColons();
    // Every half second: saves the settings once a change has settled (see SettingsSaver).
    void SaveTimer();
    // The clock in words, read every half second, the tick's pause in the tray notwithstanding.
    ClockInWords& Words() { return words_; }
    // Every half second, with "Hide over full-screen programs": the clock hides while another
    // program's full-screen window is in front on its monitor, and shows again where it was when
    // that window goes. Its timers run on: its alarms still ring.
    void WatchFullScreen();
    // Every second: monitors plugged or unplugged, or a work area changed, are handled as
    // WM_DISPLAYCHANGE handles them. Windows sends that message, but Wine sends no window any
    // word of a monitor the X server took away; the look costs a fifth of a millisecond there.
    void WatchMonitors();
    // Once start-up is over (every window created and filled): the record as it stands is the
    // one the settled saves compare with, so that only later changes are written.
    void MarkSettingsUnchanged();

private:
    // ClockWindowEvents
    void WindowCreated() override;
    void FirstActivation() override;
    void TimerFired(UINT_PTR timer) override;
    void TimeChanged() override;
    // Monitors came or went: the clock goes back to its own place, FL, FT, if a monitor shows
    // it, else onto the nearest.
    void DisplaysChanged() override;
    void ScreensChanged() override { placement_.RefreshScreens(); }
    void WindowMoved() override { placement_.Moved(); }
    void Dragged(Point topLeft) override;
    void Zoomed(int notches, Point pointer) override { face_.Zoomed(notches, pointer); }
    void ResolutionChanged() override { face_.Rescale(); }
    void TrayChanged(bool inTray) override;
    void SessionEnding() override { SaveSettings(); }
    void WindowDestroyed() override;
    const std::string& Reading() const override { return words_.Text(); }
    bool Moveable() const override { return Settings().MoveIt; }
    bool ClickThrough() const override { return Settings().ClickThrough; }
    // ClockModel::Observer
    void SettingsEdited() override;

    void SaveSettings();
    void PlanNextTick();

    ClockOwner& app_;
    ClockModel& model_;
    TimeSource& clock_;
    ClockWindow window_;
    ClockPlacement placement_;
    ClockTimers timers_;
    SettingsSaver saver_;
    ClockFace face_;
    ConfigurationFiles files_;
    ClockInWords words_;
    ClockBell bell_;
    ClockParts parts_;
    bool watchMonitorsNext_ = false;  // every other half-second check looks at the monitors
    bool hiddenForFullScreen_ = false;
    bool activated_ = false;
};

}  // namespace marvix
