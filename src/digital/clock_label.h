#pragma once

// The clock's label: the name of the place a clock keeps the time of, written on its face.

#include "base/frame_surfaces.h"
#include "settings/clock_settings.h"

namespace marvix {

// The label's letters, from its settings.
Font LabelFont(const ClockSettings& settings);

// Where the label's text, `size` large, has its top-left on a face `face` large: where its
// settings say, or centred across the face and two thirds of the way down where they say -1.
// The place as set, before a mirrored clock mirrors it.
Point LabelPlaceAsSet(const ClockSettings& settings, Size face, Size size);
// The place on the clock: on the mirrored side of a mirrored clock.
Point LabelPlace(const ClockSettings& settings, Size face, Size size);

// Writes the label onto the display picture, when it is shown and has words.
void DrawLabel(const ClockSettings& settings, FrameSurfaces& frame);

}  // namespace marvix
