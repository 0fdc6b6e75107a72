#pragma once

// The running clock: its model (which the program owns), its window and the parts that serve it,
// tied together: where the window stands, its face and pictures, its tick, where its settings are
// saved, its configuration files, its words and its bell. The settings windows reach those parts
// through ClockParts; the window reaches it through ClockWindowEvents; the model tells it of every
// edit.

#include <windows.h>

#include <span>
#include <string>

#include "base/system_time_win.h"
#include "clock/clock_bell_win.h"
#include "clock/clock_face_win.h"
#include "clock/clock_in_words_win.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_placement_win.h"
#include "clock/clock_ticker_win.h"
#include "clock/clock_window_win.h"
#include "clock/configuration_files_win.h"
#include "clock/settings_saver_win.h"
#include "frame/clock_model.h"
#include "frame/tick_schedule.h"
#include "windows/clock_parts.h"

namespace marvix {

class RunningClock final : private ClockWindowEvents, private ClockModel::Observer {
public:
    // `clock` gives the time in the clock's zone; `heartbeat` is the program's one timer; `keys`
    // say where its settings are kept.
    RunningClock(ClockOwner& app, ClockModel& model, TimeSource& clock, Heartbeat& heartbeat,
                 const ClockKeys& keys = FirstClockKeys());
    RunningClock(const RunningClock&) = delete;
    RunningClock& operator=(const RunningClock&) = delete;
    // Creates the window hidden, with the settings read and the face in place.
    bool Create() { return window_.Create(); }

    HWND Window() const { return window_.Window(); }
    const ClockModel& Model() const { return model_; }
    const ClockSettings& Settings() const { return model_.Settings(); }
    const TrayIcon& Tray() const { return window_.Tray(); }
    bool IsDragging() const { return window_.IsDragging(); }
    // Whether the window has been activated yet (the display fonts are read then).
    bool WasActivated() const { return activated_; }
    // Where the clock's time comes from: its zone's.
    TimeSource& ClockTime() { return clock_; }
    // The tray icon, which only the first clock has, says `tip`.
    // `often`: the tip changes every second for now. `ring`: how many of `of` steps of a timer's
    // ring the icon shows, and in what colour.
    void ShowInTray(std::string_view tip, bool often = false,
                    std::optional<std::pair<int, Colour>> ring = std::nullopt, int of = 1) {
        window_.Tray().KeepShellLoaded(often);
        window_.Tray().SetTip(tip);
        window_.Tray().ShowRing(ring ? std::optional(ring->first) : std::nullopt, of,
                                ring ? GdiSurface::ToColorRef(ring->second) : 0);
    }
    // A new clock: beside `anchor` (the clock it was made from) on that clock's monitor, clear of
    // it and of `clearOf` (the other clocks), then of `ratherClearOf` (the windows open), where
    // there is room, and kept there.
    void PlaceBeside(Rect anchor, std::span<const Rect> clearOf,
                     std::span<const Rect> ratherClearOf);
    // Another start of the program found this clock running: it is what the user wanted to see,
    // brought out of the tray and to the front.
    void ComeForward();
    // Once start-up is over (every window created and filled): the record as it stands is the
    // one the settled saves compare with, so that only later changes are written.
    void MarkSettingsUnchanged();

    // What the settings windows reach: the clock's settings, its look, its place, its files and
    // its sounds.
    ClockParts& Parts() { return parts_; }
    // The parts themselves, for the program, tests and benchmarks.
    ClockFace& Face() { return face_; }
    ClockPlacement& Placement() { return placement_; }
    ClockTicker& Ticker() { return ticker_; }
    ClockBell& Bell() { return bell_; }
    ClockInWords& Words() { return words_; }
    // Where the settings are read and written (the registry, unless a test counts the writes),
    // and when.
    SettingsSaver& Saver() { return saver_; }

private:
    // ClockWindowEvents
    void WindowCreated() override;
    void FirstActivation() override;
    void TimeChanged() override;
    void Zoomed(int notches, Point pointer) override { face_.Zoomed(notches, pointer); }
    void ResolutionChanged() override { face_.Rescale(); }
    void TrayChanged(bool inTray) override;
    void SessionEnding() override { SaveSettings(); }
    void WindowDestroyed() override;
    std::string Reading() const override;
    // ClockModel::Observer
    void SettingsEdited() override;

    void SaveSettings();

    ClockOwner& app_;
    ClockModel& model_;
    TimeSource& clock_;
    ClockPlacement placement_;
    ClockWindow window_;
    TickSchedule schedule_;
    SettingsSaver saver_;
    ClockFace face_;
    ConfigurationFiles files_;
    ClockInWords words_;
    ClockBell bell_;
    ClockTicker ticker_;
    ClockParts parts_;
    bool activated_ = false;
};

}  // namespace marvix
