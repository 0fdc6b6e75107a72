#pragma once

// What the clock keeps beside its settings while it runs: never stored, made anew at every start.

#include "base/geometry.h"
#include "digital/digital_displays.h"
#include "frame/face_layout.h"
#include "frame/timer_face.h"

namespace marvix {

struct LiveState {
    // The primary screen's maximised-window area, taken at start and whenever the screen or the
    // work area changes: the face falls back when larger, and no dial is drawn larger.
    Size screen;
    DisplayLook displays;
    // The face's effective hand geometry and the displays' places, as the settings give them on
    // the face shown.
    FaceLayout layout;
    // The timer shown on this clock, as the program last set it.
    TimerOnFace timer;
    StopwatchOnFace stopwatch;
};

}  // namespace marvix
