// The clock window's timers: the tick that composes every frame and plans when it will next have
// something to do, the one-second tick/tock pacing and the colon blink.
#include "app/clock_window_win.h"

#include "app/application_win.h"
#include "base/system_time_win.h"

namespace marvix {

void ClockWindow::Retime() {
    tickStep_ = settings_.Smooth ? 10 : 250;
    if (timersRunning_) SetTickTimer(tickStep_);
}

void ClockWindow::StartTimers() {
    timersRunning_ = true;
    SetTickTimer(tickStep_);
    SetTimer(hwnd_, kTickTockTimer, 1000, nullptr);
}

void ClockWindow::SetTickTimer(UINT wait) {
    // SetTimer on a running timer replaces its interval.
    SetTimer(hwnd_, kTickTimer, wait, nullptr);
    nextTickIn_ = wait;
}

void ClockWindow::TickSoon() {
    if (timersRunning_ && nextTickIn_ > tickStep_) SetTickTimer(tickStep_);
}

void ClockWindow::PlanNextTick() {
    if (!timersRunning_) return;
    FrameSurfaces frame = pictures_->Frame();
    const int steps =
        StepsToNextTick(settings_, live_, sounds_, frameCache_, frame, now_, int(tickStep_));
    const UINT wait = tickStep_ * UINT(steps);
    // The timer repeats: asked again only when the sleep changes.
    if (wait != nextTickIn_) SetTickTimer(wait);
}

void ClockWindow::StopTimers() {
    timersRunning_ = false;
    KillTimer(hwnd_, kTickTimer);
    KillTimer(hwnd_, kTickTockTimer);
}

void ClockWindow::Tick() {
    now_ = SampleInstant(clock_);
    if (settings_.Tray && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    const bool moved = !settings_.IgnoreBoundary && ClampToScreen();
    RunSoundTriggers(settings_, sounds_, now_.time, *player_);
    // What the settings windows show of the clock (its place, the placed displays) can change
    // only with the frame or the place.
    if (ComposeAndShow() || moved) app_.ShowLiveValues();
    PlanNextTick();
}

void ClockWindow::Redraw() {
    now_ = SampleInstant(clock_);
    ComposeAndShow();
    app_.ShowLiveValues();
    TickSoon();
}

bool ClockWindow::ComposeAndShow() {
    FrameSurfaces frame = pictures_->Frame();
    if (StoreFaceWriteBacks(settings_, frame)) saver_.NoteChange();
    const auto area = frameCache_.Compose(settings_, live_, frame, pictures_->underHands, now_);
    if (area) ShowFrame(*area);
    return area.has_value();
}

void ClockWindow::ShowFrame(Rect area) {
    // The frame is complete in the display picture, and differs from the one on screen only
    // within `area`. Straight to the window, rather than through an invalidated area and a paint
    // message: a paint asks the window server for the update region several times over.
    if (HDC dc = GetDC(hwnd_)) {
        BitBlt(dc, area.left, area.top, area.Width(), area.Height(), pictures_->display.Dc(),
               area.left, area.top, SRCCOPY);
        ReleaseDC(hwnd_, dc);
    }
    ++framesShown_;
}

void ClockWindow::PaceTickTock() {
    OneSecondStep(settings_, sounds_);
    if (sounds_.tickDue || sounds_.tockDue) TickSoon();  // to sound it at once
}

void ClockWindow::BlinkColons() {
    live_.displays.colonsShown = !live_.displays.colonsShown;
    TickSoon();
}

}  // namespace marvix
