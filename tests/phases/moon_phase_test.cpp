#include "phases/moon_phase.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../support/recording_frame.h"

namespace marvix {
namespace {

TEST(MoonPhase, DegreesDropTheirFraction) {
    EXPECT_EQ(ReduceDegrees(725.7), 5);
    EXPECT_EQ(ReduceDegrees(-10.4), 350);
    EXPECT_EQ(ReduceDegrees(359.9), 359);
    EXPECT_EQ(ReduceDegrees(360.2), 0);
    EXPECT_EQ(ReduceDegrees(-0.5), 0);
    EXPECT_FALSE(std::signbit(ReduceDegrees(-0.5)));
}

TEST(MoonPhase, PositionFromTheIlluminatedPart) {
    EXPECT_DOUBLE_EQ(MoonPositionFromPhase(100, 99), 0);
    EXPECT_DOUBLE_EQ(MoonPositionFromPhase(50, 60), 7.4);
    EXPECT_DOUBLE_EQ(MoonPositionFromPhase(50, 40), -7.4);
    EXPECT_DOUBLE_EQ(MoonPositionFromPhase(0, 1), 14.8);
    EXPECT_DOUBLE_EQ(MoonPositionFromPhase(30, 30), -(14.8 - 30 * 0.148))
        << "equal counts as waning";
}

// New and full moons from the US Naval Observatory's "Phases of the Moon" tables (universal
// time, to the minute); each of these was also an eclipse, dated in NASA's Five Millennium Canon
// of Solar and Lunar Eclipses.
struct Instant {
    LocalTime utc;
    bool full;
};
const Instant kAlmanac[] = {
    {{2020, 1, 10, 6, 19, 21, 0, 0}, true},    // penumbral lunar eclipse
    {{2020, 6, 21, 1, 6, 41, 0, 0}, false},    // annular solar eclipse
    {{2020, 12, 14, 2, 16, 17, 0, 0}, false},  // total solar eclipse
    {{2021, 5, 26, 4, 11, 14, 0, 0}, true},    // total lunar eclipse
    {{2021, 6, 10, 5, 10, 53, 0, 0}, false},   // annular solar eclipse
    {{2022, 11, 8, 3, 11, 2, 0, 0}, true},     // total lunar eclipse
    {{2023, 4, 20, 5, 4, 13, 0, 0}, false},    // hybrid solar eclipse
    {{2023, 10, 28, 7, 20, 24, 0, 0}, true},   // partial lunar eclipse
    {{2024, 3, 25, 2, 7, 0, 0, 0}, true},      // penumbral lunar eclipse
    {{2024, 4, 8, 2, 18, 21, 0, 0}, false},    // total solar eclipse
    {{2025, 3, 14, 6, 6, 55, 0, 0}, true},     // total lunar eclipse
    {{2026, 2, 17, 3, 12, 1, 0, 0}, false},    // annular solar eclipse
};

double DaysSince1985(const LocalTime& t) {
    return double(DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1985, 1, 1)) +
           (t.hour + t.minute / 60.0) / 24;
}

TEST(MoonPhase, AgreesWithThePublishedNewAndFullMoons) {
    for (const Instant& instant : kAlmanac) {
        const double D = DaysSince1985(instant.utc);
        SCOPED_TRACE(std::to_string(instant.utc.year) + "-" + std::to_string(instant.utc.month) +
                     "-" + std::to_string(instant.utc.day));
        if (instant.full) {
            EXPECT_GT(IlluminatedPercentage(D), 97);
            EXPECT_GT(MoonCalc(instant.utc, 0), -0.5);
            EXPECT_LT(MoonCalc(instant.utc, 0), 0.5);
        } else {
            EXPECT_LT(IlluminatedPercentage(D), 3);
        }
        // A day before, the moon grows towards full and shrinks towards new; a day after, the
        // other way round.
        EXPECT_EQ(IlluminatedPercentage(D) > IlluminatedPercentage(D - 1), instant.full);
        EXPECT_EQ(IlluminatedPercentage(D + 2) > IlluminatedPercentage(D + 1), !instant.full);
    }
}

TEST(MoonPhase, TheZoneMovesTheInstant) {
    // 08:55 local at UTC+2 is the 06:55 full moon of 14 March 2025.
    const LocalTime local{2025, 3, 14, 6, 8, 55, 0, 0};
    EXPECT_DOUBLE_EQ(MoonCalc(local, -120), MoonCalc({2025, 3, 14, 6, 6, 55, 0, 0}, 0));
}

TEST(MoonPhase, DialSizesForOneHundredAndTwenty) {
    const MoonDialSizes z = MoonSizes(120);
    EXPECT_EQ(z.moon, 47);
    EXPECT_EQ(z.orbit, 34);
    EXPECT_EQ(z.origin, 37);
    EXPECT_EQ(z.horizon, 49);
    EXPECT_EQ(z.hub, 20);
}

using Dials = RecordingFrame;

TEST(MoonPhase, DrawsTheDialInOrderAndCopiesItWhole) {
    Dials dials;
    ClockSettings s = DefaultSettings();
    s.SmoothEdges = false;  // the dial as GDI draws it, its ground filled up to the rim
    s.MoonPhaseLeft = 30;
    s.MoonPhaseTop = 20;
    FixedClock clock;
    clock.time = {2025, 3, 14, 6, 6, 55, 0, 0};  // full moon: the moon straight above the hub
    FrameSurfaces f = dials.Surfaces();
    MoonPhase(s, {1024, 738}, f, clock.Instant());
    EXPECT_EQ(dials.log,
              (std::vector<std::string>{
                  "moon: resize 120x120", "moon: copy 30,20 120x120 from face to 0,0",
                  "moon: ellipse 0,0 120x120", "moon: move 0,60", "moon: line 120,60 width 1",
                  "moon: arc 0,0 120x120", "moon: flood 60,90", "moon: ellipse 37,3 47x47",
                  "moon: ellipse 0,36 49x49", "moon: ellipse 71,36 49x49",
                  "moon: ellipse 50,50 20x20", "display: copy 0,0 120x120 from moon to 30,20"}));
    EXPECT_NEAR(MoonCalc(clock.time, clock.bias), 0, 0.5);
}

TEST(MoonPhase, HalvedAndMirroredCopies) {
    ClockSettings s = DefaultSettings();
    s.MoonPhaseLeft = 30;
    s.MoonPhaseTop = 20;
    FixedClock clock;
    const std::pair<bool, bool> cases[] = {{true, false}, {false, true}, {true, true}};
    const char* expected[] = {
        "display: copy 0,0 120x60 from moon to 30,20",
        "display: stretch 119,0 -120x120 from moon to 50,20 120x120",
        "display: stretch 119,0 -120x60 from moon to 50,20 120x60",
    };
    for (int i = 0; i < 3; ++i) {
        Dials dials;
        s.MoonHalf = cases[i].first;
        s.Reversed = cases[i].second;
        FrameSurfaces f = dials.Surfaces();
        MoonPhase(s, {1024, 738}, f, clock.Instant());
        EXPECT_EQ(dials.log.back(), expected[i]);
    }
}

TEST(MoonPhase, SizeZeroDrawsNothing) {
    Dials dials;
    ClockSettings s = DefaultSettings();
    s.PhaseSize = 0;
    FixedClock clock;
    FrameSurfaces f = dials.Surfaces();
    MoonPhase(s, {1024, 738}, f, clock.Instant());
    EXPECT_TRUE(dials.log.empty());
}

}  // namespace
}  // namespace marvix
