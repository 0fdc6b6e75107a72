#include "hands/hand_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "../support/recording_surface.h"

namespace marvix {
namespace {

constexpr double kPi = std::numbers::pi;

// Nearest integer, halves to even, computed here apart from the drawing code.
int R(double v) { return static_cast<int>(std::nearbyint(v)); }
std::string P(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

class HandDrawingTest : public ::testing::Test {
protected:
    HandDrawingTest() : s(DefaultSettings()) { g.centre = {100, 100}; }
    std::vector<std::string> Draw(Hand hand, const LocalTime& time) {
        log.clear();
        RecordingSurface surface("frame", {200, 200}, &log);
        DrawHand(surface, s, g, PrepareHands(s, time, time, 0, 200), hand);
        return log;
    }
    static LocalTime At(int h, int m, int sec) {
        return LocalTime{2026, 12, 7, 2, uint16_t(h), uint16_t(m), uint16_t(sec), 0};
    }

    ClockSettings s;
    HandGeometry g;  // the face's effective lengths and common pivot
    std::vector<std::string> log;
};

TEST_F(HandDrawingTest, LineHourHandRunsOnThroughThePivotIntoItsTail) {
    g.lengths[0] = 40;
    s.HWT = 3;
    EXPECT_EQ(Draw(Hand::Hour, At(3, 0, 0)),
              (std::vector<std::string>{"frame: move 100,100", "frame: line 140,100 width 3",
                                        "frame: line 90,100 width 3"}));
}

TEST_F(HandDrawingTest, SecondHandDrawsItsThickTailFirst) {
    g.lengths[2] = 40;
    s.SWT = 1;
    EXPECT_EQ(Draw(Hand::Second, At(3, 0, 15)),
              (std::vector<std::string>{"frame: move 100,100", "frame: line 90,100 width 2",
                                        "frame: move 100,100", "frame: line 140,100 width 1"}));
}

TEST_F(HandDrawingTest, TriangleAndKiteCornersLieTwoPixelsFromThePivot) {
    g.lengths[0] = 40;
    s.HWT = 1;
    s.HHandStyle = 1;
    EXPECT_EQ(Draw(Hand::Hour, At(12, 0, 0)),
              (std::vector<std::string>{"frame: move 100,100",
                                        "frame: polygon width 1: 102,100 100,60 98,100",
                                        "frame: polygon width 1: 102,100 100,110 98,100"}));
}

TEST_F(HandDrawingTest, BarRunsToTheTipsDistanceAndItsTailAQuarterBack) {
    g.lengths[0] = 40;
    s.HWT = 3;
    s.HHandStyle = 2;
    EXPECT_EQ(Draw(Hand::Hour, At(3, 0, 0)),
              (std::vector<std::string>{"frame: move 100,100",
                                        "frame: polygon width 1: 100,104 140,104 140,96 100,96",
                                        "frame: polygon width 1: 100,104 90,104 90,96 100,96"}));
}

TEST_F(HandDrawingTest, ZeroLengthDegeneratesToTheBaseLine) {
    g.lengths[0] = 0;
    s.HWT = 1;
    s.HandE = false;
    s.HHandStyle = 1;
    EXPECT_EQ(Draw(Hand::Hour, At(12, 0, 0)).back(),
              "frame: polygon width 1: 102,100 100,100 98,100");
    s.HHandStyle = 2;
    EXPECT_EQ(Draw(Hand::Hour, At(12, 0, 0)).back(),
              "frame: polygon width 1: 102,100 102,100 98,100 98,100");
}

TEST_F(HandDrawingTest, MirroredTriangleAtHalfPastThreeKeepsItsCornersSquareToIt) {
    s.Reversed = true;
    g.lengths[0] = 40;
    s.HWT = 3;
    s.HHandStyle = 1;
    s.HandE = false;
    const double theta = 2 * kPi * (12 - 3 - 30.0 / 60) / 12;
    const double q = 12 - 3.5;
    const double phi1 = 2 * kPi * (q - 3) / 12, phi2 = 2 * kPi * (q + 3) / 12;
    const std::string expected =
        "frame: polygon width 1: " + P(100 - R(4 * std::sin(phi1)), 100 + R(4 * std::cos(phi1))) +
        " " + P(100 + R(40 * std::sin(theta)), 100 - R(40 * std::cos(theta))) + " " +
        P(100 - R(4 * std::sin(phi2)), 100 + R(4 * std::cos(phi2)));
    EXPECT_EQ(Draw(Hand::Hour, At(3, 30, 0)).back(), expected);
    // The hand points to the mirrored half past three, left of the pivot and below it.
    EXPECT_LT(std::sin(theta), 0);
    EXPECT_NEAR(std::cos(phi1 - theta), 0, 1e-12) << "the base is square to the hand";
}

TEST_F(HandDrawingTest, UnknownStyleDrawsNothingButStillMovesToThePivot) {
    s.HHandStyle = 3;
    s.THand = false;
    s.HX = 30;
    s.HY = 40;
    EXPECT_EQ(Draw(Hand::Hour, At(3, 0, 0)), std::vector<std::string>{"frame: move 30,40"});
    s.DispH = false;
    s.HHandStyle = 0;
    EXPECT_EQ(Draw(Hand::Hour, At(3, 0, 0)), std::vector<std::string>{"frame: move 30,40"});
}

class HandPassTest : public HandDrawingTest {
protected:
    // Every hand shown, each turning about its own pivot at x = 10 * (index + 1).
    HandPassTest() {
        s.THand = false;
        s.DispDate = s.DispDay = s.DispMonth = s.DispInternet1 = s.DispInternet2 = true;
        int32_t ClockSettings::*xs[] = {&ClockSettings::HX,         &ClockSettings::MX,
                                        &ClockSettings::SX,         &ClockSettings::DDtX,
                                        &ClockSettings::DyX,        &ClockSettings::MnX,
                                        &ClockSettings::Internet1X, &ClockSettings::Internet2X};
        for (int i = 0; i < 8; ++i) s.*xs[i] = 10 * (i + 1);
    }
    // The hands drawn, by the x of the pivot each one starts at.
    std::vector<std::string> Order() {
        log.clear();
        RecordingSurface surface("frame", {200, 200}, &log);
        HandPass(surface, s, g, PrepareHands(s, At(3, 0, 0), At(3, 0, 0), 0, 200));
        const char* names[] = {"Hour", "Min", "Sec", "Dat", "Day", "Mon", "Int1", "Int2"};
        std::vector<std::string> order;
        bool secondMove[8] = {};
        for (const std::string& entry : log) {
            if (entry.rfind("frame: move ", 0) != 0) continue;
            const int hand = std::stoi(entry.substr(12)) / 10 - 1;
            // Tail-first hands move to their pivot twice per drawing.
            const bool tailFirst = hand == 2 || hand == 7;
            if (tailFirst && (secondMove[hand] = !secondMove[hand]) == false) continue;
            order.push_back(names[hand]);
        }
        return order;
    }
};

TEST_F(HandPassTest, DefaultStackingDrawsInternetOneFirstAndSecondsLast) {
    EXPECT_EQ(Order(), (std::vector<std::string>{"Int1", "Int2", "Mon", "Day", "Dat", "Hour", "Min",
                                                 "Sec"}));
}

TEST_F(HandPassTest, ATokenInTwoSlotsIsDrawnTwiceAndAMissingOneNever) {
    s.HandZ3 = "Hour";
    s.HandZ5 = "Hour";
    EXPECT_EQ(Order(), (std::vector<std::string>{"Int1", "Int2", "Hour", "Day", "Hour", "Hour",
                                                 "Min", "Sec"}));
}

TEST_F(HandPassTest, TokensMatchExactly) {
    s.HandZ2 = "hour";
    s.HandZ1 = "Min ";
    EXPECT_EQ(Order(), (std::vector<std::string>{"Int1", "Int2", "Mon", "Day", "Dat", "Sec"}));
}

}  // namespace
}  // namespace marvix
