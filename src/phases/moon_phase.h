#pragma once

// The moon-phase dial: the phase from mean-motion formulas for the Sun and the Moon (the classic
// method for pocket calculators), and a small landscape dial with the moon climbing from the
// left horizon at new moon to the top at full moon and sinking to the right as it wanes.

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "settings/clock_settings.h"

namespace marvix {

// Whole degrees in [0, 360): the fraction is dropped, not carried (725.7 gives 5, -10.4 350).
double ReduceDegrees(double degrees);

// The illuminated percentage of the Moon's disc, 0 at new moon and 100 at full, `days` days
// after 1 January 1985 00:00 universal time.
double IlluminatedPercentage(double days);

// MoonPosition for a local time: 0 at full moon, +14.8 at new moon growing, negative waning.
double MoonCalc(const LocalTime& local, int32_t utcBiasMinutes);
// The same from the illuminated percentage now and a day later.
double MoonPositionFromPhase(double now, double tomorrow);

struct MoonDialSizes {
    int moon;     // d
    int orbit;    // r
    int origin;   // c
    int horizon;  // w, the horizon discs
    int hub;      // h
};
MoonDialSizes MoonSizes(int size);

// Draws the dial on the moon surface and copies it into the frame.
// The dial is no larger than the screen's maximised area allows (see DialSize).
void MoonPhase(const ClockSettings& settings, Size screen, FrameSurfaces& surfaces,
               const ClockInstant& now);

}  // namespace marvix
