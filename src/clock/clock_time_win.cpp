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

int64_t ClockTime::UniversalOf(const LocalTime& local) {
    Source();
    std::optional<ZoneRule> rule;
    if (rules_) {
        rule = rules_->RuleFor(local.year);
    } else if (TIME_ZONE_INFORMATION zone{};
               GetTimeZoneInformationForYear(local.year, nullptr, &zone)) {
        rule = RuleOf(zone);
    }
    if (rule) return marvix::UniversalOf(*rule, local);
    return MillisecondsSince1970(local) + int64_t{UtcBiasMinutes()} * 60'000;
}

}  // namespace marvix
