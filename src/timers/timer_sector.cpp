#include "timers/timer_sector.h"

#include <algorithm>

namespace marvix {

int64_t TimerOnFace::LeftAt(const ClockInstant& now) const {
    return running ? std::max<int64_t>(endsMs - UniversalMilliseconds(now), 0) : leftMs;
}

TimerSector SectorOf(const LocalTime& now, int64_t leftMs) {
    constexpr int64_t kHourMs = 3'600'000;
    const double minutes = now.minute + (now.second + now.millisecond / 1000.0) / 60;
    if (leftMs <= 0) return {minutes * 6, 0, 0};
    // The part of the last hour that has begun: an hour and a half left shows half a turn and
    // one hour more; exactly two hours a whole turn and one more.
    const int64_t hoursMore = (leftMs - 1) / kHourMs;
    const int64_t inSector = leftMs - hoursMore * kHourMs;
    return {minutes * 6, double(inSector) / kHourMs * 360, hoursMore};
}

}  // namespace marvix
