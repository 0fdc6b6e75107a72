#include "base/system_time_win.h"

namespace marvix {

LocalTime FromSystemTime(const SYSTEMTIME& t) {
    return LocalTime{t.wYear, t.wMonth,  t.wDay,    static_cast<uint16_t>(t.wDayOfWeek + 1),
                     t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

SYSTEMTIME ToSystemTime(const LocalTime& t) {
    return SYSTEMTIME{t.year,   t.month,      static_cast<WORD>(t.dayOfWeek - 1),
                      t.day,    t.hour,       t.minute,
                      t.second, t.millisecond};
}

// Universal time costs a read of memory the system keeps current; Wine's local time converts it
// through the zone rules on every call. With the bias kept for a second, a tick's readings cost
// next to nothing.
LocalTime SystemTime::Now() {
    FILETIME utc;
    GetSystemTimeAsFileTime(&utc);
    ULARGE_INTEGER ticks{{utc.dwLowDateTime, utc.dwHighDateTime}};
    ticks.QuadPart -= ULONGLONG(int64_t(UtcBiasMinutes()) * 60 * 10000000);
    const FILETIME local{ticks.LowPart, ticks.HighPart};
    SYSTEMTIME time;
    FileTimeToSystemTime(&local, &time);
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

ClockInstant SampleInstant(TimeSource& clock) {
    const LocalTime time = clock.Now();
    return {time, clock.Now(), clock.UtcBiasMinutes()};
}

}  // namespace marvix
