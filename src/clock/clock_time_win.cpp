#include "clock/clock_time_win.h"

namespace marvix {

TimeSource& ClockTime::Source() {
    if (zone_ != zoneUsed_) {
        zoneUsed_ = zone_;
        zoned_.reset();
        rules_.reset();
        if (!zone_.empty() && zone_ != kLocalZone) {
            rules_ = std::make_unique<SystemZoneRules>(zone_);
            zoned_ = std::make_unique<ZonedTime>(computer_, *rules_);
        }
    }
    return zoned_ ? static_cast<TimeSource&>(*zoned_) : computer_;
}

}  // namespace marvix
