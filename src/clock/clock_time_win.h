#pragma once

// A clock's time source: the computer's own while the clock keeps "local", else the computer's
// universal time read into the clock's zone by Windows' rules for it (see ZonedTime).

#include <memory>
#include <string>

#include "base/local_time.h"
#include "base/time_zone.h"
#include "base/time_zone_win.h"

namespace marvix {

class ClockTime final : public TimeSource {
public:
    // `zone` is the clock's setting, looked at on every reading: a zone picked shows at once.
    ClockTime(TimeSource& computer, const std::string& zone) : computer_(computer), zone_(zone) {}
    LocalTime Now() override { return Source().Now(); }
    int32_t UtcBiasMinutes() override { return Source().UtcBiasMinutes(); }
    // The zone has no rule for this year (Windows no longer knows it): local time is shown.
    bool Lost() const { return zoned_ && zoned_->Lost(); }
    void Refresh() override {
        if (zoned_) zoned_->Refresh();
    }
    // The universal time, in milliseconds since 1970, at which the clock shows `local`: by its
    // zone's rule for that year, or by its bias now when Windows has none.
    int64_t UniversalOf(const LocalTime& local);

private:
    TimeSource& Source();

    TimeSource& computer_;
    const std::string& zone_;
    std::string zoneUsed_ = std::string(kLocalZone);
    std::unique_ptr<SystemZoneRules> rules_;
    std::unique_ptr<ZonedTime> zoned_;
};

}  // namespace marvix
