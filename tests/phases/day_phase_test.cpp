#include "phases/day_phase.h"

#include <gtest/gtest.h>

#include <numbers>

#include "../support/recording_frame.h"

namespace marvix {
namespace {

LocalTime At(int h, int m = 0, int s = 0) {
    return LocalTime{2026, 12, 7, 2, uint16_t(h), uint16_t(m), uint16_t(s), 0};
}

TEST(DayPhase, SkyFadesFromNightAtMidnightToDayAtNoon) {
    const Colour day = Colour::Rgb(0, 255, 255), night = Colour::Rgb(0, 0, 128);
    EXPECT_EQ(SkyColour(At(12), day, night), day);
    EXPECT_EQ(SkyColour(At(0), day, night), night);
    EXPECT_EQ(SkyColour(At(6), Colour::Rgb(255, 255, 255), Colour::Rgb(0, 0, 0)),
              Colour::Rgb(128, 128, 128));
    EXPECT_EQ(SkyColour(At(18), Colour::Rgb(255, 255, 255), Colour::Rgb(0, 0, 0)),
              Colour::Rgb(128, 128, 128));
}

TEST(DayPhase, BodiesTurnOnceADay) {
    const double pi = std::numbers::pi;
    EXPECT_DOUBLE_EQ(NightAngle(At(0)), 0);
    EXPECT_DOUBLE_EQ(NightAngle(At(12)), pi);
    EXPECT_DOUBLE_EQ(SunAngle(At(12)), 0);
    EXPECT_DOUBLE_EQ(SunAngle(At(6)), -pi / 2);
    EXPECT_DOUBLE_EQ(SunAngle(At(18)), pi / 2);
    EXPECT_NEAR(SunAngle(At(12, 30)), 2 * pi * (30.0 / 60 / 24), 1e-12);
}

class DayPhaseTest : public ::testing::Test {
protected:
    DayPhaseTest() {
        s.SmoothEdges = false;  // the dial as GDI draws it, its ground filled up to the rim
        s.DayPhaseLeft = 30;
        s.DayPhaseTop = 10;
    }
    std::vector<std::string> Draw(const LocalTime& time) {
        frame.log.clear();
        clock.time = time;
        FrameSurfaces f = frame.Surfaces();
        DayPhase(s, {1024, 738}, f, clock.Instant());
        return frame.log;
    }
    RecordingFrame frame;
    ClockSettings s = DefaultSettings();
    FixedClock clock;
};

TEST_F(DayPhaseTest, AtMidnightTheMoonStandsAtTheTopWithItsCrescentCut) {
    EXPECT_EQ(
        Draw(At(0)),
        (std::vector<std::string>{
            "dayNight: resize 120x120", "dayNight: copy 30,10 120x120 from face to 0,0",
            "dayNight: ellipse 0,0 120x120", "dayNight: move 0,60", "dayNight: line 120,60 width 1",
            "dayNight: arc 0,0 120x120", "dayNight: flood 60,90",
            // d 24, r 47, c 48: the moon at (48, 1), its cutting disc 18.
            "dayNight: ellipse 48,1 24x24", "dayNight: ellipse 48,1 18x18",
            // The lens from 34 to 86.
            "dayNight: ellipse 0,34 120x52", "display: copy 0,0 120x120 from dayNight to 30,10"}));
}

TEST_F(DayPhaseTest, AtNoonTheSunAloneAndOnTheHorizonNeither) {
    const std::vector<std::string> noon = Draw(At(12));
    EXPECT_EQ(noon[7], "dayNight: ellipse 48,1 24x24");
    EXPECT_EQ(noon[8], "dayNight: ellipse 0,34 120x52");
    const std::vector<std::string> dawn = Draw(At(6));
    EXPECT_EQ(dawn[7], "dayNight: ellipse 0,34 120x52") << "sun and moon on the horizon line";
}

TEST_F(DayPhaseTest, HalvedAndMirroredCopies) {
    s.DayHalf = true;
    EXPECT_EQ(Draw(At(12)).back(), "display: copy 0,0 120x60 from dayNight to 30,10");
    s.Reversed = true;
    EXPECT_EQ(Draw(At(12)).back(), "display: stretch 119,0 -120x60 from dayNight to 50,10 120x60");
    s.DayHalf = false;
    EXPECT_EQ(Draw(At(12)).back(),
              "display: stretch 119,0 -120x120 from dayNight to 50,10 120x120");
}

}  // namespace
}  // namespace marvix
