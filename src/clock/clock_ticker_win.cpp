#include "clock/clock_ticker_win.h"

namespace marvix {

void ClockTicker::Begin() {
    joined_ = true;
    heartbeat_.Join(*this);
    p_.schedule.Start();
}

void ClockTicker::End() {
    if (!joined_) return;
    joined_ = false;
    p_.schedule.Stop();
    heartbeat_.Leave(*this);
}

void ClockTicker::RunChores(const Chores& due) {
    BlinkColons();
    SaveWhenSettled();
    // The clock in words is read the tick's pause in the tray notwithstanding.
    p_.words.Read();
    WatchFullScreen();
    // Monitors plugged or unplugged, or a work area changed, are handled as WM_DISPLAYCHANGE
    // handles them: Windows sends that message, but Wine sends no window any word of a monitor
    // the X server took away.
    if (due.monitorsChanged) p_.placement.DisplaysChanged();
    if (due.secondToo && p_.schedule.Running()) PaceTickTock();
}

void ClockTicker::Tick() {
    const ClockInstant now = SampleInstant(p_.time);
    const ClockSettings& s = p_.model.Settings();
    if (s.Tray && IsWindowVisible(Window())) ShowWindow(Window(), SW_HIDE);
    const bool moved = p_.placement.KeepOnScreen();
    p_.model.Sound(now.time, p_.bell.Player());
    p_.bell.Show();
    // What the settings windows show of the clock (its place, the placed displays) can change
    // only with the frame or the place.
    if (p_.face.ComposeAndShow(now) || moved) p_.owner.ShowLiveValues();
    if (!p_.schedule.Running()) return;
    FrameSurfaces frame = p_.face.Pictures().Frame();
    p_.schedule.SleepSteps(p_.model.StepsToNextTick(frame, p_.schedule.Step()));
}

void ClockTicker::PaceTickTock() {
    if (p_.model.StepSecond()) p_.schedule.TickSoon();  // to sound it at once
}

void ClockTicker::BlinkColons() {
    p_.model.BlinkColons();
    p_.schedule.TickSoon();
}

void ClockTicker::SaveWhenSettled() {
    // One save at a time: a change made meanwhile is seen again at the next check.
    if (p_.saver.IsSaving()) return;
    p_.saver.Collect();
    // What a save writes includes the fonts, read from the registry if never read yet.
    p_.face.ReadDisplayFonts();
    if (p_.saver.SaveIfSettled(p_.model)) p_.words.ReadFromSettled();
}

void ClockTicker::WatchFullScreen() {
    const ClockSettings& s = p_.model.Settings();
    const bool covered = s.HideForFullScreen && p_.placement.FullScreenInFront();
    if (covered && !hiddenForFullScreen_ && IsWindowVisible(Window())) {
        hiddenForFullScreen_ = true;
        ShowWindow(Window(), SW_HIDE);
    } else if (!covered && hiddenForFullScreen_) {
        hiddenForFullScreen_ = false;
        // Back where it was, unless the user sent it to the tray meanwhile.
        if (!s.Tray) ShowWindow(Window(), SW_SHOWNOACTIVATE);
    }
}

}  // namespace marvix
