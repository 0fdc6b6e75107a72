#include "digital/display_texts.h"

#include <gtest/gtest.h>

#include "../support/fixed_clock.h"

namespace marvix {
namespace {

class DisplayTextTest : public ::testing::Test {
protected:
    std::string Text(Display display, int hour = 10, int minute = 5) {
        LocalTime t{2026, 12, 7, 2, uint16_t(hour), uint16_t(minute), 9, 0};
        t.day = day;
        t.year = year;
        t.month = month;
        t.dayOfWeek = weekday;
        t.second = second;
        return DisplayText(display, s, colonsShown, t, bias);
    }
    ClockSettings s = DefaultSettings();
    bool colonsShown = true;
    int32_t bias = 0;
    uint16_t day = 7, year = 2026, month = 12, weekday = 2, second = 9;
};

TEST_F(DisplayTextTest, HourOnBothDialsAndTheAfternoonDot) {
    EXPECT_EQ(Text(Display::Hour, 0), "12");
    EXPECT_EQ(Text(Display::AmPm, 0), " ");
    EXPECT_EQ(Text(Display::Hour, 12), "12");
    EXPECT_EQ(Text(Display::AmPm, 12), ".");
    EXPECT_EQ(Text(Display::Hour, 13), " 1");
    EXPECT_EQ(Text(Display::Minute, 13, 5), "05");
    s.DHMilitary = true;
    EXPECT_EQ(Text(Display::Hour, 9), " 9");
    EXPECT_EQ(Text(Display::Hour, 0), " 0");
    EXPECT_EQ(Text(Display::Hour, 23), "23");
}

TEST_F(DisplayTextTest, DateAndYear) {
    day = 1;
    EXPECT_EQ(Text(Display::Date), " 1 ");
    day = 31;
    EXPECT_EQ(Text(Display::Date), "31 ");
    year = 2005;
    EXPECT_EQ(Text(Display::Year), "05 ");
    s.LongYearName = true;
    EXPECT_EQ(Text(Display::Year), "2005 ");
}

TEST_F(DisplayTextTest, NamesArePaddedToTheLongestOfTheirSetThenCased) {
    weekday = 1;  // Sunday
    EXPECT_EQ(Text(Display::Day), "Sun");
    s.DayNames10 = "Tues";
    EXPECT_EQ(Text(Display::Day), "Sun ");
    s.LongDayName = true;
    s.DayCaseInt = 3;
    EXPECT_EQ(Text(Display::Day), "SUNDAY   ");  // as long as "Wednesday"
    s.DayCaseInt = 1;
    EXPECT_EQ(Text(Display::Day), "sunday   ");
    s.MonthNames12 =
        "d\xE9"
        "cembre";  // as the Windows-1252 code page holds it
    s.LongMonthName = true;
    s.MonthCaseInt = 3;
    EXPECT_EQ(Text(Display::Month),
              "D\xE9"
              "CEMBRE ")
        << "only ASCII letters change case";
}

TEST_F(DisplayTextTest, ColonsBlinkWithTheirPhase) {
    s.C1Blink = true;
    colonsShown = true;
    EXPECT_EQ(Text(Display::Colon1), ":");
    colonsShown = false;
    EXPECT_EQ(Text(Display::Colon1), " ");
    EXPECT_EQ(Text(Display::Colon2), ":") << "COLON2 does not blink";
}

TEST_F(DisplayTextTest, InternetTimeAroundTheWorld) {
    second = 0;
    bias = 300;  // UTC-5, at midnight
    EXPECT_EQ(Text(Display::Inter1, 0, 0), "250");
    EXPECT_EQ(Text(Display::Inter2, 0, 0), "000");
    bias = -60;  // UTC+1
    EXPECT_EQ(Text(Display::Inter1, 0, 0), "  0");
    EXPECT_EQ(Text(Display::Inter2, 0, 0), "000");
    bias = -120;  // UTC+2, at half past midnight: wraps round
    EXPECT_EQ(Text(Display::Inter1, 0, 30), "979");
    EXPECT_EQ(Text(Display::Inter2, 0, 30), "167");
}

}  // namespace
}  // namespace marvix
