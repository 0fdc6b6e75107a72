#pragma once

// Zones found by the places in them. Windows names a zone by a few cities of its choosing
// ("(UTC-05:00) Eastern Time (US & Canada)"), so a person typing "new york" or "india" would find
// nothing, or the wrong zone; the table of places (generated at build time from CLDR and tzdata)
// names every zone's cities, regions and countries.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/time_zone.h"

namespace marvix {

enum class PlaceKind : uint8_t { City, Region, Country };

// A place in a zone, in Windows-1252 as the "A" calls see it, and the zone's key name.
struct ZonePlace {
    std::string_view name;
    std::string_view zone;
    PlaceKind kind;
};

// Every place the table knows.
std::span<const ZonePlace> KnownPlaces();

// Text as it is compared: lower-case ASCII letters and digits with single spaces between words,
// accented letters taken to their base letter ("São Paulo" and "sao  paulo" read the same).
std::string Folded(std::string_view text);

// A zone found, by its index among the zones searched, labelled with the place as the table
// spells it (or the zone's first place when its display name was what matched).
struct ZoneFound {
    size_t zone = 0;
    std::string label;
    friend bool operator==(const ZoneFound&, const ZoneFound&) = default;
};

// The zones that `typed` finds, best first: an exact city, then an exact region or country, a
// city and then a region or country it begins, a word of a city's name it begins, and last a
// zone whose display name holds every word typed. Among equals, a zone whose display name also
// matches comes first ("indiana" finds "(UTC-05:00) Indiana (East)" before Central Time), then
// the zones' own order. Nothing typed finds every zone, in order.
std::vector<ZoneFound> FindZones(std::span<const ZoneName> zones, std::string_view typed,
                                 std::span<const ZonePlace> places = KnownPlaces());

}  // namespace marvix
