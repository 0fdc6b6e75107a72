#include "base/system_time_win.h"

namespace marvix {

LocalTime FromSystemTime(const SYSTEMTIME& t) {
    return LocalTime{t.wYear, t.wMonth,  t.wDay,    static_cast<uint16_t>(t.wDayOfWeek + 1),
                     t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

LocalTime SystemTime::Now() {
    SYSTEMTIME time;
    GetLocalTime(&time);
    return FromSystemTime(time);
}

int32_t UtcBiasMinutes(DWORD zoneId, const TIME_ZONE_INFORMATION& zone) {
    const LONG extra = zoneId == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias;
    return zone.Bias + extra;
}

int32_t SystemTime::UtcBiasMinutes() {
    TIME_ZONE_INFORMATION zone{};
    const DWORD id = GetTimeZoneInformation(&zone);
    if (id == TIME_ZONE_ID_INVALID) return 0;
    return marvix::UtcBiasMinutes(id, zone);
}

}  // namespace marvix
