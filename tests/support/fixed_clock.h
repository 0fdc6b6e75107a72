#pragma once

// The clock the tests set: 10:15:30 on Monday 7 December 2026, in universal time, until told
// otherwise.

#include "base/local_time.h"

namespace marvix {

struct FixedClock final : FixedTime {
    FixedClock() : FixedTime({2026, 12, 7, 2, 10, 15, 30, 0}, 0) {}
};

}  // namespace marvix
