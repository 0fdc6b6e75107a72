#include "hands/hand_positions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "digital/internet_time.h"

namespace marvix {
namespace {

constexpr double kPi = std::numbers::pi;

double Angle(const HandPositions& p, Hand hand) { return p.angle[static_cast<size_t>(hand)]; }

LocalTime At(int hour, int minute, int second, int millisecond = 0) {
    return LocalTime{
        2026, 12, 7, 2, uint16_t(hour), uint16_t(minute), uint16_t(second), uint16_t(millisecond)};
}

TEST(HandAngles, NoonIsAFullTurnOfTheHourHandAndZeroForTheOthers) {
    ClockSettings s = DefaultSettings();
    const HandPositions p = PrepareHands(s, At(12, 0, 0), At(12, 0, 0), 0, 200);
    EXPECT_NEAR(std::fmod(Angle(p, Hand::Hour), 2 * kPi), 0, 1e-12);
    EXPECT_DOUBLE_EQ(Angle(p, Hand::Minute), 0);
    EXPECT_DOUBLE_EQ(Angle(p, Hand::Second), 0);
}

TEST(HandAngles, HalfPastNineOnBothHourDials) {
    ClockSettings s = DefaultSettings();
    EXPECT_NEAR(Angle(PrepareHands(s, At(9, 30, 0), At(9, 30, 0), 0, 200), Hand::Hour),
                2 * kPi * 9.5 / 12, 1e-12);
    s.HourMil = true;
    EXPECT_NEAR(Angle(PrepareHands(s, At(9, 30, 0), At(9, 30, 0), 0, 200), Hand::Hour),
                2 * kPi * 9.5 / 24, 1e-12);
}

TEST(HandAngles, SmoothMotionMovesWithTheMillisecondsSteppedDoesNot) {
    ClockSettings s = DefaultSettings();
    const LocalTime t = At(10, 15, 30, 500);
    s.Smooth = true;
    HandPositions p = PrepareHands(s, t, t, 0, 200);
    EXPECT_NEAR(Angle(p, Hand::Second), 2 * kPi * 30.5 / 60, 1e-12);
    EXPECT_NEAR(Angle(p, Hand::Minute), 2 * kPi * (15 + 30.5 / 60) / 60, 1e-12);
    EXPECT_NEAR(Angle(p, Hand::Hour), 2 * kPi * (10 + (15 + 30.5 / 60) / 60) / 12, 1e-12);
    s.Smooth = false;
    p = PrepareHands(s, t, t, 0, 200);
    EXPECT_NEAR(Angle(p, Hand::Second), 2 * kPi * 30 / 60, 1e-12);
    EXPECT_NEAR(Angle(p, Hand::Minute), 2 * kPi * 15 / 60, 1e-12);
    EXPECT_NEAR(Angle(p, Hand::Hour), 2 * kPi * (10 + 15.0 / 60) / 12, 1e-12);
}

TEST(HandAngles, CalendarHandsStartAtTheTopOnTheFirstSundayOfJanuary) {
    ClockSettings s = DefaultSettings();
    const LocalTime first{2023, 1, 1, 1, 8, 0, 0, 0};  // a Sunday
    for (bool mirrored : {false, true}) {
        s.Reversed = mirrored;
        const HandPositions p = PrepareHands(s, first, first, 0, 200);
        for (Hand hand : {Hand::Date, Hand::Day, Hand::Month}) {
            EXPECT_NEAR(std::fmod(Angle(p, hand), 2 * kPi), 0, 1e-12) << mirrored;
        }
    }
    const LocalTime last{2026, 12, 31, 5, 8, 0, 0, 0};
    s.Reversed = false;
    EXPECT_NEAR(Angle(PrepareHands(s, last, last, 0, 200), Hand::Date), 2 * kPi * 30 / 31, 1e-12);
    s.Reversed = true;
    EXPECT_NEAR(Angle(PrepareHands(s, last, last, 0, 200), Hand::Date), 2 * kPi * 1 / 31, 1e-12);
}

TEST(HandAngles, MirroredHandsRunBackwardAndOwnPivotsMeasureFromTheRight) {
    ClockSettings s = DefaultSettings();
    s.Reversed = true;
    s.HX = 40;
    const HandPositions p = PrepareHands(s, At(3, 0, 15), At(3, 0, 15), 0, 200);
    EXPECT_EQ(p.pivotX[static_cast<size_t>(Hand::Hour)], 160);
    EXPECT_NEAR(Angle(p, Hand::Second), 2 * kPi * 45 / 60, 1e-12);
    EXPECT_NEAR(Angle(p, Hand::Hour), 2 * kPi * 9 / 12, 1e-12);
    s.Reversed = false;
    EXPECT_EQ(PrepareHands(s, At(3, 0, 15), At(3, 0, 15), 0, 200).pivotX[0], 40);
}

TEST(InternetTime, BeatsSplitIntoWholeAndThousandths) {
    const BeatsParts parts = SplitBeats(523.4567);
    EXPECT_EQ(parts.whole, 523);
    EXPECT_EQ(parts.thousandths, 457);
    EXPECT_EQ(BeatsText(5.05), "5.050");
    EXPECT_EQ(SplitBeats(999.9996).whole, 1000) << "rounds up to a whole day";
}

TEST(InternetTime, TheInternetHandsFollowTheBeats) {
    ClockSettings s = DefaultSettings();
    s.DispInternet2 = true;
    // 12:33:45.500 at UTC+1 (bias -60) is 45225.5 s into the day: 523.443 beats.
    const LocalTime t = At(12, 33, 45, 500);
    const HandPositions p = PrepareHands(s, t, t, -60, 200);
    EXPECT_EQ(p.BeatsWhole, 523);
    EXPECT_EQ(p.BeatsThousandths, 443);
    EXPECT_NEAR(Angle(p, Hand::Internet1), 2 * kPi * 0.523, 1e-12);
    EXPECT_NEAR(Angle(p, Hand::Internet2), 2 * kPi * 0.443, 1e-12);
}

TEST(InternetTime, ZonesAroundTheWorld) {
    EXPECT_NEAR(InternetBeats(At(0, 0, 0), 300), 250, 1e-9);            // UTC-5
    EXPECT_NEAR(InternetBeats(At(0, 0, 0), -60), 0, 1e-9);              // UTC+1
    EXPECT_NEAR(InternetBeats(At(0, 30, 0), -120), 979.1666666, 1e-6);  // UTC+2 wraps
    EXPECT_EQ(BeatsText(InternetBeats(At(0, 30, 0), -120)), "979.167");
}

}  // namespace
}  // namespace marvix
