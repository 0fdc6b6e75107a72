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

}  // namespace
}  // namespace marvix
