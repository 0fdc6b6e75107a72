#include "base/time_zone_win.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "base/lazy_library_win.h"
#include "base/scoped_handles_win.h"

namespace marvix {

namespace {

using EnumZones = DWORD(WINAPI*)(DWORD index, PDYNAMIC_TIME_ZONE_INFORMATION zone);
using ZoneForYear = BOOL(WINAPI*)(USHORT year, PDYNAMIC_TIME_ZONE_INFORMATION zone,
                                  LPTIME_ZONE_INFORMATION rule);

std::string Narrow(const WCHAR* text) {
    char buffer[256] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    return buffer;
}

// Every zone Windows lists (some 140, read in a millisecond), until `visit` returns true; the
// zone it stopped at. Windows before 8 lists none.
template <class Visit>
std::optional<DYNAMIC_TIME_ZONE_INFORMATION> WalkZones(Visit visit) {
    const auto enumerate =
        LazyFunction<EnumZones>("advapi32.dll", "EnumDynamicTimeZoneInformation");
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    for (DWORD i = 0; enumerate && enumerate(i, &zone) == ERROR_SUCCESS; ++i)
        if (visit(zone)) return zone;
    return std::nullopt;
}

// The minutes east of universal time a display name starts with: "(UTC+05:30) ..." 330,
// "(UTC) ..." 0.
int OffsetOf(const std::string& display) {
    int hours = 0, minutes = 0;
    char sign = '+';
    if (std::sscanf(display.c_str(), "(UTC%c%d:%d)", &sign, &hours, &minutes) < 3) return 0;
    return (sign == '-' ? -1 : 1) * (hours * 60 + minutes);
}

ZoneChange ChangeOf(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth,  t.wDayOfWeek, t.wDay,
            t.wHour, t.wMinute, t.wSecond,    t.wMilliseconds};
}

}  // namespace

std::vector<ZoneName> SystemZones() {
    std::vector<ZoneName> zones;
    WalkZones([&](const DYNAMIC_TIME_ZONE_INFORMATION& zone) {
        zones.push_back({Narrow(zone.TimeZoneKeyName), ""});
        return false;
    });
    // The display name is the zone's registry entry's "Display"; the structure has only the
    // standard name, so it is read from the same key Windows reads it from.
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                      "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones", 0, KEY_READ,
                      &raw) == ERROR_SUCCESS) {
        const ScopedRegKey root(raw);
        for (ZoneName& name : zones) {
            char display[256] = {};
            DWORD size = sizeof display - 1;
            if (RegGetValueA(root.Get(), name.key.c_str(), "Display", RRF_RT_REG_SZ, nullptr,
                             display, &size) == ERROR_SUCCESS) {
                name.display = display;
            }
        }
    }
    for (ZoneName& name : zones)
        if (name.display.empty()) name.display = name.key;
    // West to east, as Windows lists them: by the offset the display name starts with.
    std::stable_sort(zones.begin(), zones.end(), [](const ZoneName& a, const ZoneName& b) {
        return std::pair(OffsetOf(a.display), a.display) <
               std::pair(OffsetOf(b.display), b.display);
    });
    return zones;
}

std::optional<ZoneRule> SystemZoneRules::RuleFor(int year) {
    // GetTimeZoneInformationForYear and SystemTimeToTzSpecificLocalTime convert correctly under
    // Wine; SystemTimeToTzSpecificLocalTimeEx is a stub there that ends the process.
    const auto forYear = LazyFunction<ZoneForYear>("kernel32.dll", "GetTimeZoneInformationForYear");
    std::optional<DYNAMIC_TIME_ZONE_INFORMATION> zone = WalkZones(
        [&](const DYNAMIC_TIME_ZONE_INFORMATION& z) { return Narrow(z.TimeZoneKeyName) == key_; });
    TIME_ZONE_INFORMATION rule{};
    if (!forYear || !zone || !forYear(USHORT(year), &*zone, &rule)) return std::nullopt;
    return RuleOf(rule);
}

ZoneRule RuleOf(const TIME_ZONE_INFORMATION& zone) {
    return {zone.Bias, zone.StandardBias, zone.DaylightBias, ChangeOf(zone.StandardDate),
            ChangeOf(zone.DaylightDate)};
}

}  // namespace marvix
