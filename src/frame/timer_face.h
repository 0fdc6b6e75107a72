#pragma once

// A running timer on the clock's face: a sector under the hands from the minute hand to where it
// stands when the timer ends, shrinking as the time runs, and the time left, written as the label
// is (below it when the label shows).

#include "base/frame_surfaces.h"
#include "frame/face_layout.h"
#include "settings/clock_settings.h"
#include "timers/timer_sector.h"

namespace marvix {

// The sector, over the face and under the dials, displays and hands.
void DrawTimerSector(const ClockSettings& settings, const FaceLayout& layout,
                     const TimerOnFace& timer, FrameSurfaces& frame, const ClockInstant& now);
// The time left, after the label.
void DrawTimeLeft(const ClockSettings& settings, const TimerOnFace& timer, FrameSurfaces& frame,
                  const ClockInstant& now);
// The stopwatch's time, below the label and the time left; drawn with the hands, as its tenths
// change as often as a smooth clock's second hand moves, so that only its own place is drawn again.
void DrawStopwatch(const ClockSettings& settings, const TimerOnFace& timer,
                   const StopwatchOnFace& stopwatch, FrameSurfaces& frame, const ClockInstant& now);

}  // namespace marvix
