#pragma once

// Internet time: the time of day in the zone one hour east of universal time, in thousandths of a
// day ("beats"). The INTER1 and INTER2 displays and the two Internet hands show it.

#include <cstdint>
#include <string>

#include "base/local_time.h"

namespace marvix {

// In [0, 1000), from the local time of day and the zone's bias (UTC = local + bias, minutes).
double InternetBeats(const LocalTime& local, int32_t utcBiasMinutes);

// The value with exactly three decimals and a point, whatever the locale: "523.457". Rounding
// can carry a value just below 1000 up to "1000.000".
std::string BeatsText(double beats);

struct BeatsParts {
    int whole;        // the digits before the point
    int thousandths;  // the three digits after it
};
BeatsParts SplitBeats(double beats);

}  // namespace marvix
