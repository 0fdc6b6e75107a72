#pragma once

// The hand preparation of every tick: from the time, the angle of each of the eight hands, its
// smooth position on its own dial (for the corners of polygon hands) and its own pivot.

#include <array>

#include "base/local_time.h"
#include "hands/hand_family.h"
#include "settings/clock_settings.h"

namespace marvix {

struct HandPositions {
    // Radians clockwise from twelve o'clock; a full turn is not reduced.
    std::array<double, kHandCount> angle{};
    // Smooth position q on the hand's own dial, U - q when mirrored.
    std::array<double, kHandCount> dialPosition{};
    // The own pivot's X, measured from the right edge when mirrored.
    std::array<int, kHandCount> pivotX{};
    int BeatsWhole = 0;
    int BeatsThousandths = 0;
};

// `date` is the tick's first sample (its date parts give the calendar hands); `time` is the
// second sample, taken just before the hands are drawn, and gives the time of day. A mirrored
// clock measures its own pivots from the right edge of a face `faceWidth` wide.
HandPositions PrepareHands(const ClockSettings& settings, const LocalTime& date,
                           const LocalTime& time, int32_t utcBiasMinutes, int faceWidth);

}  // namespace marvix
