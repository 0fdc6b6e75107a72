// The clock window's timer handlers: the tick, which composes every frame and plans when it will
// next have something to do, the one-second tick/tock pacing and the colon blink.
#include "app/clock_window_win.h"

#include "base/scoped_handles_win.h"
#include "base/system_time_win.h"

namespace marvix {

void ClockWindow::Retime() { timers_.UseStep(settings_.Smooth); }

void ClockWindow::PlanNextTick() {
    if (!timers_.Running()) return;
    FrameSurfaces frame = pictures_->Frame();
    timers_.SleepSteps(
        StepsToNextTick(settings_, live_, sounds_, frameCache_, frame, now_, int(timers_.Step())));
}

void ClockWindow::Tick() {
    now_ = SampleInstant(clock_);
    if (settings_.Tray && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
    const bool moved = KeepOnScreen();
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
    timers_.TickSoon();
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
    if (const BorrowedDc dc(hwnd_); dc) {
        BitBlt(dc.Get(), area.left, area.top, area.Width(), area.Height(), pictures_->display.Dc(),
               area.left, area.top, SRCCOPY);
    }
    ++framesShown_;
}

void ClockWindow::PaceTickTock() {
    OneSecondStep(settings_, sounds_);
    if (sounds_.tickDue || sounds_.tockDue) timers_.TickSoon();  // to sound it at once
}

void ClockWindow::BlinkColons() {
    live_.displays.colonsShown = !live_.displays.colonsShown;
    timers_.TickSoon();
}

}  // namespace marvix
