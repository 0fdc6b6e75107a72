#pragma once

// The platform's clock and time zone: the one place the program reads the time.

#include <windows.h>

#include "base/local_time.h"

namespace marvix {

class SystemTime final : public TimeSource {
public:
    // Universal time less the bias below: the platform's local time.
    LocalTime Now() override;
    // Read from the platform at most once a second: under Wine every reading looks at the zone
    // file, and a tick asks several times. A change of zone or of daylight time shows within a
    // second.
    int32_t UtcBiasMinutes() override;

private:
    int32_t bias_ = 0;
    DWORD biasReadAt_ = 0;
    bool biasRead_ = false;
};

// A tick's instant from `clock` (the platform's, or one a test or benchmark sets): its reading, a
// second reading for the hands, and the zone's bias.
ClockInstant SampleInstant(TimeSource& clock);

// The bias of a zone as the platform reports it: the daylight bias counts only while the zone is
// in daylight time. A zone without daylight saving reports "unknown", and may still carry a
// daylight bias of -60 (Wine does for UTC); adding it would put the time an hour out all year.
int32_t UtcBiasMinutes(DWORD zoneId, const TIME_ZONE_INFORMATION& zone);

LocalTime FromSystemTime(const SYSTEMTIME& time);
SYSTEMTIME ToSystemTime(const LocalTime& time);

}  // namespace marvix
