// The running clock's life: start-up, the settings read and saved, and what the window's messages
// mean.
#include "clock/running_clock_win.h"

#include <utility>
#include <vector>

#include "base/message_seam_win.h"
#include "digital/display_fonts.h"
#include "frame/clock_reading.h"
#include "settings/registry_store.h"
#include "timers/timer_length.h"
#include "windows/accessible_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

namespace {

void ReportAll(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) ShowMessage(error, MessageStyle::Error);
}

}  // namespace

RunningClock::RunningClock(ClockOwner& app, ClockModel& model, TimeSource& clock,
                           Heartbeat& heartbeat, const ClockKeys& keys)
    : app_(app),
      model_(model),
      clock_(clock),
      placement_(app, model),
      window_(app, *this, placement_, keys.First()),
      schedule_(heartbeat),
      saver_(keys),
      face_(app, model, clock, window_, placement_, schedule_, saver_),
      files_(app, model, face_, placement_),
      words_(app, model, clock),
      bell_(app, model, clock, schedule_, words_),
      ticker_(heartbeat, {.owner = app,
                          .model = model,
                          .time = clock,
                          .window = window_,
                          .placement = placement_,
                          .schedule = schedule_,
                          .saver = saver_,
                          .face = face_,
                          .words = words_,
                          .bell = bell_}),
      parts_{model, face_, placement_, files_, bell_} {
    model_.Observe(*this);
    window_.Show(face_.Pictures().display);
}

void RunningClock::WindowCreated() {
    HWND hwnd = window_.Window();
    placement_.Attach(hwnd, window_.Outline());
    words_.Attach(hwnd);

    std::vector<std::string> errors;
    ClockSettings& s = model_.Edit();
    ReadSettings(s, saver_.Store(), TraySetting(), errors);
    if (s.Tray) ShowWindow(hwnd, SW_HIDE);
    ReadSettings(s, saver_.Store(), StartupSettings(), errors);
    ReadSettings(s, saver_.ProgramStore(), ProgramSequence(), errors);
    face_.Retime();
    ReportAll(errors);

    words_.ReadFromSettled();
    face_.TakeScale();
    face_.PrepareFaceAndWindow(kTooLargeAtStart);
    placement_.Restack();
    placement_.ApplyOverlay();
    if (Settings().UseWall) face_.TakeSnapshot();
    FrameSurfaces frame = face_.Pictures().Frame();
    CopyFace(Settings(), frame);
    if (Settings().Tray && IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_HIDE);

    ticker_.Begin();
}

void RunningClock::FirstActivation() {
    activated_ = true;
    face_.ReadDisplayFonts();
    app_.ShowTaskbarButton(!Settings().HideMe);
    if (Settings().Tray && IsWindowVisible(Window())) ShowWindow(Window(), SW_HIDE);
}

void RunningClock::SettingsEdited() {
    saver_.NoteChange();
    schedule_.TickSoon();
}

void RunningClock::MarkSettingsUnchanged() {
    face_.ReadDisplayFonts();
    saver_.MarkUnchanged(model_.Written(WrittenTo::Registry));
    words_.ReadFromSettled();
}

void RunningClock::SaveSettings() {
    saver_.Collect();
    // A clock that was never activated (it started in the tray and stopped from there) may not
    // have read its fonts yet; read them now so that the save writes them back as they were.
    face_.ReadDisplayFonts();
    saver_.SaveAtExit(model_.Written(WrittenTo::Registry));
}

void RunningClock::WindowDestroyed() {
    ticker_.End();
    SaveSettings();
    app_.ClockDestroyed();
}

void RunningClock::TimeChanged() {
    // Windows says so when the time or the time zone is changed, and a zone's rules with it.
    clock_.Refresh();
    schedule_.TickSoon();
    words_.Read();
}

void RunningClock::TrayChanged(bool inTray) {
    model_.Edit().Tray = inTray;
    words_.SetPaused(inTray);
    if (inTray) {
        schedule_.Stop();
    } else {
        // What fell due while the clock was hidden is not made up.
        model_.ResumeAfterPause();
        schedule_.Start();
    }
    words_.Read(true);
}

void RunningClock::ComeForward() {
    window_.ShowFromTray();
    // Raised first: Windows may refuse the foreground (a start of the program hands it on, but
    // another program may have taken it since), and a window manager may not raise a window it
    // activates; either way the clock comes out from under what covered it.
    SetWindowPos(Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow(Window());
}

void RunningClock::PlaceBeside(Rect anchor, std::span<const Rect> clearOf,
                               std::span<const Rect> ratherClearOf) {
    PlaceNear(Window(), anchor, Near::Beside, clearOf, ratherClearOf);
    const Rect at = WindowFrame(Window());
    ClockSettings& s = model_.Edit();
    s.FL = at.left, s.FT = at.top;
    placement_.KeepOnScreen();
}

std::string RunningClock::Reading() const {
    const TimerOnFace& timer = model_.Live().timer;
    if (!timer.shown) return words_.Text();
    const std::string left = TimeLeftText(timer.LeftAt(SampleInstant(clock_)));
    return words_.Text() + ". Timer " + timer.label + ", " + left +
           (timer.running ? " left" : " left, paused");
}

}  // namespace marvix
