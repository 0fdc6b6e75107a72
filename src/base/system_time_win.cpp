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
    const DWORD now = GetTickCount();
    if (biasRead_ && now - biasReadAt_ < 1000) return bias_;
    TIME_ZONE_INFORMATION zone{};
    const DWORD id = GetTimeZoneInformation(&zone);
    bias_ = id == TIME_ZONE_ID_INVALID ? 0 : marvix::UtcBiasMinutes(id, zone);
    biasReadAt_ = now;
    biasRead_ = true;
    return bias_;
}

}  // namespace marvix
