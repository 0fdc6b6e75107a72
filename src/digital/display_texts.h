#pragma once

// What each digital display shows: the rules that turn the time and the names into its text.

#include <string>

#include "base/local_time.h"
#include "digital/digital_displays.h"

namespace marvix {

// The text of one display at the tick's time; INTER1 and INTER2 also need the zone's bias.
std::string DisplayText(Display display, const ClockSettings& settings, const LocalTime& time,
                        int32_t utcBias);

}  // namespace marvix
