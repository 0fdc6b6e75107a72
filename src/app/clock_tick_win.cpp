// The clock window's timers: the tick that composes every frame, the one-second tick/tock
// pacing and the colon blink.
#include "app/clock_window_win.h"

#include "app/frame.h"

namespace marvix {

void TForm1::SetTickInterval() {
    timer1Interval_ = settings_.Smooth ? 10 : 250;
    // SetTimer on a running timer replaces its interval.
    if (timersRunning_) SetTimer(hwnd_, kTimer1, timer1Interval_, nullptr);
}

void TForm1::StartTimers() {
    timersRunning_ = true;
    SetTimer(hwnd_, kTimer1, timer1Interval_, nullptr);
    SetTimer(hwnd_, kTimer2, 1000, nullptr);
}

void TForm1::StopTimers() {
    timersRunning_ = false;
    KillTimer(hwnd_, kTimer1);
    KillTimer(hwnd_, kTimer2);
}

void TForm1::Timer1Timer() {
    settings_.Time = clock_.Now();
    if (settings_.Tray && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    if (!settings_.IgnoreBoundary) ClampToScreen();
    // The sounds of this second are started here, before the frame is drawn.
    FrameSurfaces frame = pictures_->Frame();
    ComposeFrame(settings_, frame, clock_);
    // The frame is complete in the display picture; the paint copies it whole.
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void TForm1::Timer2Timer() {
    if (settings_.Tick && settings_.Tock) {
        if (settings_.TickTockPhase) {
            settings_.TickTockPhase = false;
            settings_.TickDue = true;
        } else {
            settings_.TickTockPhase = true;
            settings_.TockDue = true;
        }
    } else if (settings_.Tick) {
        settings_.TickDue = !settings_.TickDue;
    } else if (settings_.Tock) {
        settings_.TockDue = !settings_.TockDue;
    }
}

void TForm1::Timer3Timer() { settings_.ColonBlinkPhase = !settings_.ColonBlinkPhase; }

}  // namespace marvix
