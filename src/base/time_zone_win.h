#pragma once

// The platform's time zones: the list Windows knows, by key name ("Tokyo Standard Time") and
// display name ("(UTC+09:00) Osaka, Sapporo, Tokyo"), and a zone's rule for a year. Windows 8
// and later list them; earlier, only the computer's own zone is offered.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/time_zone.h"

namespace marvix {

// Every zone Windows knows, in its order (by offset).
std::vector<ZoneName> SystemZones();

// A zone's rules as Windows gives them, year by year.
class SystemZoneRules final : public ZoneRules {
public:
    explicit SystemZoneRules(std::string key) : key_(std::move(key)) {}
    std::optional<ZoneRule> RuleFor(int year) override;

private:
    std::string key_;
};

// The rule of TIME_ZONE_INFORMATION.
ZoneRule RuleOf(const TIME_ZONE_INFORMATION& zone);

}  // namespace marvix
