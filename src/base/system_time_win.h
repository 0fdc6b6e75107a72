#pragma once

// The platform's clock and time zone: the one place the program reads the time.

#include <windows.h>

#include "base/local_time.h"

namespace marvix {

class SystemTime final : public TimeSource {
public:
    LocalTime Now() override;
    int32_t UtcBiasMinutes() override;
};

// The bias of a zone as the platform reports it: the daylight bias counts only while the zone is
// in daylight time. A zone without daylight saving reports "unknown", and may still carry a
// daylight bias of -60 (Wine does for UTC); adding it would put the time an hour out all year.
int32_t UtcBiasMinutes(DWORD zoneId, const TIME_ZONE_INFORMATION& zone);

LocalTime FromSystemTime(const SYSTEMTIME& time);

}  // namespace marvix
