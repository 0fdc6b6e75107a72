#pragma once

// The day/night dial: a landscape whose sky fades from the night colour at midnight to the day
// colour at noon, with the sun at the top at noon and a crescent moon at the top at midnight, each
// drawn only while above the horizon line. It follows the local clock; no astronomy.

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "settings/clock_settings.h"

namespace marvix {

// The sky at the time of day: the day and night colours (already plain red, green and blue)
// blended by how near the time is to noon.
Colour SkyColour(const LocalTime& time, Colour day, Colour night);

// Radians clockwise from the top of the dial: the moon at the top at midnight, the sun at noon.
double NightAngle(const LocalTime& time);
double SunAngle(const LocalTime& time);

// Draws the dial on the day/night surface and copies it into the frame.
// The dial is no larger than the screen's maximised area allows (see DialSize).
void DayPhase(const ClockSettings& settings, Size screen, FrameSurfaces& surfaces,
              const ClockInstant& now);

// The moon and the sun on the dial of side `size`, those above the horizon line only.
void DayPos(Surface& dial, const ClockSettings& settings, int size, double nightAngle,
            double sunAngle, Colour sky);

}  // namespace marvix
