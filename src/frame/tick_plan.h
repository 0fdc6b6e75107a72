#pragma once

// A smooth clock ticks every 10 ms, yet its frame changes a dozen times a second and its sounds
// once a second at most, so most of its ticks would find nothing to do. Before the timer sleeps,
// the tick looks ahead along its own steps for the first one that would draw or sound something:
// at each step's instant it lists the frame (without drawing it) and runs the sound rules, on a
// copy of the sounds' latches. The timer then sleeps until that step. What else a tick does (holding the
// window on the screen, hiding it in the tray) waits no longer than the standard clock's tick.
//
// A stopwatch shown to the tenth rides the frames the hands make: its tenths alone wake no clock,
// yet they never wait more than a tenth and a half for a frame.
//
// Only time is foreseen. Whatever else changes the frame or the sounds (a settings window, a
// loaded configuration, the colon blink, the one-second step) must bring the tick back to its
// next step.

#include "base/frame_surfaces.h"
#include "frame/frame_cache.h"
#include "frame/live_state.h"
#include "settings/clock_settings.h"
#include "sound/sound_triggers.h"

namespace marvix {

// The furthest a tick looks ahead: the standard clock's tick.
inline constexpr int kMostTickAheadMs = 250;

// How many steps of `stepMs` after `now` the next tick is due: the first step whose frame
// differs from the one `cache` composed last, or at which a sound would start; at most
// kMostTickAheadMs / stepMs, and at least one. `live` is as it was on return (its stopwatch is
// held still while the plan looks ahead).
int StepsToNextTick(const ClockSettings& settings, LiveState& live, const SoundLatches& sounds,
                    FrameCache& cache, FrameSurfaces& surfaces, const ClockInstant& now,
                    int stepMs);

}  // namespace marvix
