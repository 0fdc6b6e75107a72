// The time-zone bias as the platform reports it, and the Internet time that follows from it.
// ctest runs this test with TZ=UTC: a zone without daylight saving.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "base/system_time_win.h"
#include "digital/internet_time.h"

namespace marvix {
namespace {

TEST(TimeZoneBias, DaylightBiasCountsOnlyInDaylightTime) {
    TIME_ZONE_INFORMATION zone{};
    zone.Bias = -60;
    zone.StandardBias = 0;
    zone.DaylightBias = -60;
    EXPECT_EQ(UtcBiasMinutes(TIME_ZONE_ID_STANDARD, zone), -60);
    EXPECT_EQ(UtcBiasMinutes(TIME_ZONE_ID_DAYLIGHT, zone), -120);
    // A zone without daylight saving reports "unknown", and may still carry a daylight bias.
    EXPECT_EQ(UtcBiasMinutes(TIME_ZONE_ID_UNKNOWN, zone), -60);
}

TEST(TimeZoneBias, InUniversalTimeTheInternetTimeIsTheTimeOfDayOneHourEast) {
    TIME_ZONE_INFORMATION zone{};
    const DWORD id = GetTimeZoneInformation(&zone);
    ASSERT_NE(id, TIME_ZONE_ID_DAYLIGHT) << "run with TZ=UTC";
    SystemTime clock;
    EXPECT_EQ(clock.UtcBiasMinutes(), 0);

    SYSTEMTIME utc;
    GetSystemTime(&utc);
    const LocalTime local = clock.Now();
    const double expected = std::fmod(
        (((utc.wHour + 1) * 60 + utc.wMinute) * 60 + utc.wSecond + utc.wMilliseconds / 1000.0) /
            86.4,
        1000.0);
    double difference = std::fabs(InternetBeats(local, clock.UtcBiasMinutes()) - expected);
    difference = std::min(difference, 1000 - difference);  // across midnight
    EXPECT_LT(difference, 0.01);                           // well within a second
}

}  // namespace
}  // namespace marvix
