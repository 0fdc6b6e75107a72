#include "base/local_time.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(LocalTimeText, ParsesWithAndWithoutMilliseconds) {
    const std::optional<LocalTime> t = ParseLocalTime("2026-12-07T10:15:30.500");
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, (LocalTime{2026, 12, 7, 2, 10, 15, 30, 500}));     // a Monday
    EXPECT_EQ(ParseLocalTime("2000-01-01T00:00:00")->dayOfWeek, 7);  // a Saturday
    EXPECT_EQ(ParseLocalTime("2024-02-29T23:59:59")->dayOfWeek, 5);  // a Thursday
    EXPECT_EQ(ParseLocalTime("1985-01-01T00:00:00")->dayOfWeek, 3);  // a Tuesday
}

TEST(LocalTimeText, RefusesWhatIsNoInstant) {
    for (const char* text :
         {"", "2026-12-07", "2026-12-07 10:15:30", "2026-13-01T00:00:00", "2025-02-29T00:00:00",
          "2026-04-31T00:00:00", "2026-12-07T24:00:00", "2026-12-07T10:60:00",
          "2026-12-07T10:15:30.5", "2026-12-07T10:15:30,500", "2026-12-07T10:15:3a"}) {
        EXPECT_FALSE(ParseLocalTime(text).has_value()) << text;
    }
}

TEST(LocalTimeArithmetic, CarriesIntoEveryFieldBothWays) {
    const auto at = [](const char* text) { return *ParseLocalTime(text); };
    EXPECT_EQ(AddMilliseconds(at("2024-02-28T23:59:59.995"), 10), at("2024-02-29T00:00:00.005"));
    EXPECT_EQ(AddMilliseconds(at("2026-03-01T00:00:00.000"), -1), at("2026-02-28T23:59:59.999"));
    // Days over four centuries, either way: the day count they were moved by, and its weekday.
    for (int64_t days = -80'000; days <= 80'000; days += 37) {
        const LocalTime t = AddMilliseconds(at("1970-01-01T12:00:00"), days * 86'400'000);
        ASSERT_EQ(DaysFromCivil(t.year, t.month, t.day), days) << days;
        ASSERT_EQ(t.dayOfWeek, DayOfWeek(t.year, t.month, t.day)) << days;
        ASSERT_EQ(t.hour, 12) << days;
    }
}

}  // namespace
}  // namespace marvix
