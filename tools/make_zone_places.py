#!/usr/bin/env python3
"""Writes the table of places by which "Find a zone" finds a Windows zone.

Every Windows zone is mapped to its IANA zones by CLDR's windowsZones.xml; each IANA zone gives
its city (CLDR's English exemplar city where CLDR has one, else the city its BCP 47 description
names, with the region in brackets there, else the zone's own name), and each mapping's territory
gives the country, named by tzdata's iso3166.tab. The names are written in Windows-1252, the code
page the program's "A" calls see, with letters that code page lacks taken to their base letter.

usage: make_zone_places.py CLDR_COMMON_DIR ZONEINFO_DIR OUT.cpp
"""

import sys
import unicodedata
import xml.etree.ElementTree as ET
from pathlib import Path

CITY, REGION, COUNTRY = 0, 1, 2


def windows_1252(text):
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        plain = "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c))
        return plain.encode("cp1252", errors="ignore")


def folded(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text) if not unicodedata.combining(c)).lower()


def c_string(data):
    # Octal escapes take at most three digits, so a letter after one is never read into it.
    out = []
    for byte in data:
        if byte in (0x22, 0x5C):
            out.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F:
            out.append(chr(byte))
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def exemplar_cities(cldr):
    cities = {}
    # English over root: en.xml names a few cities differently ("Kyiv").
    for locale in ("root", "en"):
        tree = ET.parse(cldr / "main" / f"{locale}.xml")
        for zone in tree.iter("zone"):
            city = zone.find("exemplarCity")
            if city is not None and city.text and "alt" not in city.attrib:
                cities[zone.get("type")] = city.text
    return cities


def bcp47_places(cldr):
    """IANA id -> (city, region) as the BCP 47 description names them: "Marengo (Indiana), ..."."""
    places = {}
    for entry in ET.parse(cldr / "bcp47" / "timezone.xml").iter("type"):
        description = entry.get("description", "")
        if ", " not in description:
            continue
        city = description.rsplit(", ", 1)[0]
        region = None
        if city.endswith(")") and " (" in city:
            city, region = city[:-1].split(" (", 1)
        for alias in entry.get("alias", "").split():
            places[alias] = (city, region)
    return places


def countries(zoneinfo):
    names = {}
    for line in (zoneinfo / "iso3166.tab").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            code, name = line.split("\t", 1)
            names[code] = name
    return names


def places_of(cldr, zoneinfo):
    cities = exemplar_cities(cldr)
    described = bcp47_places(cldr)
    country_names = countries(zoneinfo)
    rows = []
    for mapping in ET.parse(cldr / "supplemental" / "windowsZones.xml").iter("mapZone"):
        zone, territory = mapping.get("other"), mapping.get("territory")
        if territory in ("001", "ZZ"):
            continue
        if territory in country_names:
            rows.append((country_names[territory], zone, COUNTRY))
        for iana in mapping.get("type").split():
            if iana.startswith("Etc/") or "/" not in iana:
                continue
            own = iana.rsplit("/", 1)[1].replace("_", " ")
            city, region = described.get(iana, (own, None))
            city = cities.get(iana, city)
            if ", " in city:  # "Marengo, Indiana"
                city, region = city.split(", ", 1)
            rows.append((city, zone, CITY))
            if folded(own) != folded(city):  # the zone's own name, where CLDR renamed it ("Calcutta")
                rows.append((own, zone, CITY))
            if region:
                rows.append((region, zone, REGION))
    return sorted(set(rows), key=lambda row: (row[1], row[2], row[0]))


def main():
    cldr, zoneinfo, out = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    kinds = ("PlaceKind::City", "PlaceKind::Region", "PlaceKind::Country")
    lines = [
        "// Written by tools/make_zone_places.py from CLDR's windowsZones.xml and tzdata's",
        "// iso3166.tab at build time. Do not edit.",
        '#include "base/zone_places.h"',
        "",
        "namespace marvix {",
        "",
        "namespace {",
        "constexpr ZonePlace kPlaces[] = {",
    ]
    for name, zone, kind in places_of(cldr, zoneinfo):
        lines.append(f"    {{{c_string(windows_1252(name))}, {c_string(zone.encode('ascii'))}, {kinds[kind]}}},")
    lines += [
        "};",
        "}  // namespace",
        "",
        "std::span<const ZonePlace> KnownPlaces() { return kPlaces; }",
        "",
        "}  // namespace marvix",
        "",
    ]
    text = "\n".join(lines)
    if not out.exists() or out.read_text(encoding="ascii") != text:
        out.write_text(text, encoding="ascii")


if __name__ == "__main__":
    main()
