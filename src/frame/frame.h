#pragma once

// One frame of the clock, composed from scratch: the face copy (the only erase),
// the phase dials, the digital displays, then the hands.

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "frame/live_state.h"
#include "settings/clock_settings.h"

namespace marvix {

// The face copy: the whole face into the display picture, mirrored left to right when Reversed.
void CopyFace(const ClockSettings& settings, FrameSurfaces& surfaces);

// Everything a tick draws at the instant `now`, in its order, after the shell has sampled the
// clock, kept the window in place, started the sounds and laid out the face (live.layout): the face
// copy, the moon and day/night dials, the twelve digital displays, then the hand preparation
// (from the instant's second reading) and the hands in stacking order.
void ComposeFrame(const ClockSettings& settings, const LiveState& live, FrameSurfaces& surfaces,
                  const ClockInstant& now);

// ComposeFrame in its two layers: everything under the hands, which changes at most a few times a
// second, and the hands over it.
void ComposeUnderHands(const ClockSettings& settings, const LiveState& live,
                       FrameSurfaces& surfaces, const ClockInstant& now);
void ComposeHands(const ClockSettings& settings, const LiveState& live, FrameSurfaces& surfaces,
                  const ClockInstant& now);

}  // namespace marvix
