#include "base/zone_places.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

// Zones as Windows names them, west to east.
const std::vector<ZoneName> kZones = {
    {"Pacific Standard Time", "(UTC-08:00) Pacific Time (US & Canada)"},
    {"Central Standard Time", "(UTC-06:00) Central Time (US & Canada)"},
    {"Eastern Standard Time", "(UTC-05:00) Eastern Time (US & Canada)"},
    {"US Eastern Standard Time", "(UTC-05:00) Indiana (East)"},
    {"E. South America Standard Time", "(UTC-03:00) Brasilia"},
    {"India Standard Time", "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi"},
    {"China Standard Time", "(UTC+08:00) Beijing, Chongqing, Hong Kong, Urumqi"},
    {"Tokyo Standard Time", "(UTC+09:00) Osaka, Sapporo, Tokyo"},
};

// What a person types finds the zone of the place meant first, labelled as the data spells the
// place. "india" once chose Indiana, ten and a half hours wrong; "new york" found nothing.
TEST(ZonePlaces, APlaceTypedFindsItsZoneFirstWithThePlaceAsItsLabel) {
    const struct {
        const char *typed, *zone, *label;
    } cases[] = {
        {"new york", "Eastern Standard Time", "New York"},
        {"los angeles", "Pacific Standard Time", "Los Angeles"},
        {"shanghai", "China Standard Time", "Shanghai"},
        {"india", "India Standard Time", "India"},
        {"kolkata", "India Standard Time", "Kolkata"},
        {"indiana", "US Eastern Standard Time", "Indiana"},
        {"  TOKYO. ", "Tokyo Standard Time", "Tokyo"},
        {"s\xe3o paulo", "E. South America Standard Time", "S\xe3o Paulo"},
        {"york", "Eastern Standard Time", "New York"},              // a word of a city's name
        {"eastern time", "Eastern Standard Time", "Eastern Time"},  // Windows' own name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<ZoneFound> found = FindZones(kZones, c.typed);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(kZones[found.front().zone].key, c.zone);
        EXPECT_EQ(found.front().label, c.label);
    }
    EXPECT_TRUE(FindZones(kZones, "atlantis").empty()) << "a place no zone has";
    EXPECT_EQ(FindZones(kZones, "").size(), kZones.size()) << "nothing typed: every zone";
}

}  // namespace
}  // namespace marvix
