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
#include "clock/clock_face_win.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_pictures_win.h"
#include "clock/clock_placement_win.h"
#include "clock/clock_timers_win.h"
#include "clock/clock_window_win.h"
#include "clock/configuration_files_win.h"
#include "clock/resource.h"
#include "clock/settings_saver_win.h"
#include "frame/clock_model.h"
#include "sound/sound_player_win.h"
#include "windows/clock_parts.h"

namespace marvix {

class RunningClock final : public ClockSounds,
                           private ClockWindowEvents,
                           private ClockModel::Observer {
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
    ClockPictures& Pictures() { return face_.Pictures(); }
    const TrayIcon& Tray() const { return window_.Tray(); }
    bool IsDragging() const { return window_.IsDragging(); }
    bool TimersRunning() const { return timers_.Running(); }
    // The tick's step: 10 ms in smooth mode, else 250. A smooth tick sleeps over the steps that
    // would change nothing (see StepsToNextTick): NextTickIn is how long the timer sleeps now.
    UINT TickStep() const { return timers_.Step(); }
    UINT NextTickIn() const { return timers_.NextTickIn(); }
    // How many frames have reached the window since it was created: a tick that changes no
    // pixel sends none.
    unsigned FramesShown() const { return face_.FramesShown(); }
    // Whether the window has been activated yet (the display fonts are read then).
    bool WasActivated() const { return activated_; }
    // The clock in words, as its tip and its accessible name say it, and its time now.
    const std::string& InWords() const { return reading_; }
    LocalTime TimeNow() { return clock_.Now(); }
    // Where the clock's time comes from: its zone's.
    TimeSource& ClockTime() { return clock_; }
    // The tray icon, which only the first clock has, says `words`.
    void ShowInTray(std::string_view tip) { window_.Tray().SetTip(tip); }
    // A new clock: beside `anchor` (the clock it was made from) on that clock's monitor, clear of
    // it and of `clearOf` (the other clocks), then of `ratherClearOf` (the windows open), where
    // there is room, and kept there.
    void PlaceBeside(Rect anchor, std::span<const Rect> clearOf,
                     std::span<const Rect> ratherClearOf);

    // Where every sound goes: a new worker thread per request, unless a test puts a recorder in
    // its place.
    void UsePlayer(SoundPlayer& player) { player_ = &player; }
    // Where the settings are read and written: the registry, unless a test counts the writes.
    void UseRegistry(RegistryValues& store) { saver_.UseStore(store); }
    bool IsSaving() const { return saver_.IsSaving(); }
    // Removed by the user: its window goes without saving, and nothing is written for it again.
    void Forget() { saver_.Forget(); }

    // What the settings windows reach: the clock's settings, its look, its place, its files and
    // its sounds.
    ClockParts& Parts() { return parts_; }
    const ClockSettings& Settings() const { return model_.Settings(); }
    ClockFace& Face() { return face_; }
    ClockPlacement& Placement() { return placement_; }

    // ClockSounds
    void Play(const SoundRequest& request) override { player_->Play(request); }
    void AnswerAlarm(std::optional<int> snoozeMinutes) override;

    // Another start of the program found this clock running: it is what the user wanted to see,
    // brought out of the tray and to the front.
    void ComeForward();
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
    // the tray icon's tip and for screen readers, made anew when the minute turns, the time is set
    // or the settings have settled; a screen reader is told of each new reading. `anew`: read
    // within the minute last read too, as what it says of the settings, the bell or a pause changed.
    void ReadTheClock(bool anew = false);
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
    const std::string& Reading() const override { return reading_; }
    bool Moveable() const override { return Settings().MoveIt; }
    bool ClickThrough() const override { return Settings().ClickThrough; }
    // ClockModel::Observer
    void SettingsEdited() override;

    // The settings have settled: the clock in words is read from them from now on.
    void ReadFromSettled();
    void SaveSettings();
    void PlanNextTick();
    // The alarm window and the tray tip follow the bell, when it has changed.
    void ShowBell();

    ClockOwner& app_;
    ClockModel& model_;
    TimeSource& clock_;
    ClockWindow window_;
    ClockPlacement placement_;
    ClockTimers timers_;
    SettingsSaver saver_;
    ClockFace face_;
    ConfigurationFiles files_;
    ClockParts parts_;
    TPlayFile ownPlayer_{&PlaySoundWhenLoaded, MAKEINTRESOURCEA(IDR_ALARM_SOUND)};
    SoundPlayer* player_ = &ownPlayer_;
    bool watchMonitorsNext_ = false;  // every other half-second check looks at the monitors
    LocalTime readMinute_{0, 0, 0, 0, 0, 0, 0, 0};  // the minute ReadTheClock last read
    // The clock in words, for the tray tip and as the window's accessible name: what a screen
    // reader says the clock is.
    std::string reading_;
    // What the clock in words is read from: the settings as they last settled, so that an alarm
    // halfway typed (its hour passing through 13 on the way to 21) is never told.
    ClockSettings readFrom_;
    // What the alarm window last showed of the bell.
    struct BellShown {
        AlarmBell::State state = AlarmBell::State::Quiet;
        size_t alarm = 0;
        LocalTime due;
        friend bool operator==(const BellShown&, const BellShown&) = default;
    } bellShown_;
    // Hidden by a double-click: the tick and its alarms wait until the clock is shown again.
    bool paused_ = false;
    bool hiddenForFullScreen_ = false;
    bool activated_ = false;
};

}  // namespace marvix
