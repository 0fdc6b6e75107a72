// The clock window's timers: the tick that composes every frame and plans when it will next have
// something to do, the one-second tick/tock pacing and the colon blink.
#include "app/clock_window_win.h"

#include "app/application_win.h"

namespace marvix {

void TForm1::SetTickInterval() {
    timer1Interval_ = settings_.Smooth ? 10 : 250;
    if (timersRunning_) SetTickTimer(timer1Interval_);
}

void TForm1::StartTimers() {
    timersRunning_ = true;
    SetTickTimer(timer1Interval_);
    SetTimer(hwnd_, kTimer2, 1000, nullptr);
}

void TForm1::SetTickTimer(UINT wait) {
    // SetTimer on a running timer replaces its interval.
    SetTimer(hwnd_, kTimer1, wait, nullptr);
    nextTickIn_ = wait;
}

void TForm1::TickSoon() {
    if (timersRunning_ && nextTickIn_ > timer1Interval_) SetTickTimer(timer1Interval_);
}

void TForm1::PlanNextTick() {
    if (!timersRunning_) return;
    FrameSurfaces frame = pictures_->Frame();
    const int steps = tickPlan_.StepsToNextTick(settings_, frameCache_, frame,
                                                clock_.UtcBiasMinutes(), int(timer1Interval_));
    const UINT wait = timer1Interval_ * UINT(steps);
    // The timer repeats: asked again only when the sleep changes.
    if (wait != nextTickIn_) SetTickTimer(wait);
}

void TForm1::StopTimers() {
    timersRunning_ = false;
    KillTimer(hwnd_, kTimer1);
    KillTimer(hwnd_, kTimer2);
}

void TForm1::Timer1Timer() {
    settings_.Time = clock_.Now();
    if (settings_.Tray && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    const bool moved = !settings_.IgnoreBoundary && ClampToScreen();
    RunSoundTriggers(settings_, settings_.Time, *player_);
    // What the settings windows show of the clock (its place, the placed displays) can change
    // only with the frame or the place.
    if (ComposeAndShow() || moved) app_.ShowLiveValues();
    PlanNextTick();
}

void TForm1::Redraw() {
    ComposeAndShow();
    app_.ShowLiveValues();
    TickSoon();
}

bool TForm1::ComposeAndShow() {
    FrameSurfaces frame = pictures_->Frame();
    const auto area = frameCache_.Compose(settings_, frame, pictures_->underHands, clock_);
    if (area) ShowFrame(*area);
    return area.has_value();
}

void TForm1::ShowFrame(Rect area) {
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

void TForm1::Timer2Timer() {
    OneSecondStep(settings_);
    if (settings_.TickDue || settings_.TockDue) TickSoon();  // to sound it at once
}

void TForm1::Timer3Timer() {
    settings_.ColonBlinkPhase = !settings_.ColonBlinkPhase;
    TickSoon();
}

}  // namespace marvix
