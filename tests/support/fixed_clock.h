#pragma once

// A clock that says what it is told, for tests that set the time.

#include "base/local_time.h"

namespace marvix {

class FixedClock final : public TimeSource {
public:
    LocalTime time{2026, 12, 7, 2, 10, 15, 30, 0};
    int32_t bias = 0;
    LocalTime Now() override { return time; }
    int32_t UtcBiasMinutes() override { return bias; }
};

}  // namespace marvix
