#include "base/time_zone_win.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "base/lazy_library_win.h"

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

// The zone Windows lists under `key`, walking its list (some 140 zones, read in a millisecond).
std::optional<DYNAMIC_TIME_ZONE_INFORMATION> FindZone(const std::string& key) {
    const auto enumerate = LazyFunction<EnumZones>("advapi32.dll", "EnumDynamicTimeZoneInformation");
    if (!enumerate) return std::nullopt;
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    for (DWORD i = 0; enumerate(i, &zone) == ERROR_SUCCESS; ++i) {
        if (Narrow(zone.TimeZoneKeyName) == key) return zone;
    }
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
    return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace

std::vector<ZoneName> SystemZones() {
    std::vector<ZoneName> zones;
    const auto enumerate = LazyFunction<EnumZones>("advapi32.dll", "EnumDynamicTimeZoneInformation");
    if (!enumerate) return zones;
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    for (DWORD i = 0; enumerate(i, &zone) == ERROR_SUCCESS; ++i) {
        // The display name is the zone's registry entry's "Display"; the structure has only the
        // standard name, so it is read from the same key Windows reads it from.
        zones.push_back({Narrow(zone.TimeZoneKeyName), ""});
    }
    HKEY root = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                      "Software\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones", 0, KEY_READ,
                      &root) == ERROR_SUCCESS) {
        for (ZoneName& name : zones) {
            char display[256] = {};
            DWORD size = sizeof display - 1;
            if (RegGetValueA(root, name.key.c_str(), "Display", RRF_RT_REG_SZ, nullptr, display,
                             &size) == ERROR_SUCCESS) {
                name.display = display;
            }
        }
        RegCloseKey(root);
    }
    for (ZoneName& name : zones)
        if (name.display.empty()) name.display = name.key;
    // West to east, as Windows lists them: by the offset the display name starts with.
    std::stable_sort(zones.begin(), zones.end(), [](const ZoneName& a, const ZoneName& b) {
        return std::pair(OffsetOf(a.display), a.display) < std::pair(OffsetOf(b.display), b.display);
    });
    return zones;
}

std::optional<std::string> ZoneDisplayName(const std::string& key) {
    for (ZoneName& zone : SystemZones())
        if (zone.key == key) return zone.display;
    return std::nullopt;
}

std::optional<ZoneRule> SystemZoneRules::RuleFor(int year) {
    // GetTimeZoneInformationForYear and SystemTimeToTzSpecificLocalTime convert correctly under
    // Wine; SystemTimeToTzSpecificLocalTimeEx is a stub there that ends the process.
    const auto forYear = LazyFunction<ZoneForYear>("kernel32.dll", "GetTimeZoneInformationForYear");
    std::optional<DYNAMIC_TIME_ZONE_INFORMATION> zone = FindZone(key_);
    TIME_ZONE_INFORMATION rule{};
    if (!forYear || !zone || !forYear(USHORT(year), &*zone, &rule)) return std::nullopt;
    return RuleOf(rule);
}

ZoneRule RuleOf(const TIME_ZONE_INFORMATION& zone) {
    return {zone.Bias, zone.StandardBias, zone.DaylightBias, ChangeOf(zone.StandardDate),
            ChangeOf(zone.DaylightDate)};
}

}  // namespace marvix
