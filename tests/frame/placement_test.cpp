#include "frame/placement.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(WindowRegion, EachShapeAndAnUnknownOne) {
    const Size client{200, 120};
    EXPECT_EQ(RegionForShape(0, 30, client),
              (WindowRegion{RegionShape::Ellipse, {0, 0, 200, 120}, 0}));
    EXPECT_EQ(RegionForShape(1, 30, client),
              (WindowRegion{RegionShape::RoundRect, {0, 0, 200, 120}, 0}));
    EXPECT_EQ(RegionForShape(2, 30, client),
              (WindowRegion{RegionShape::RoundRect, {0, 0, 200, 120}, 30}));
    EXPECT_EQ(RegionForShape(2, 0, client), RegionForShape(1, 99, client));
    EXPECT_EQ(RegionForShape(3, 30, client).shape, RegionShape::None);
    EXPECT_EQ(RegionForShape(-1, 30, client).shape, RegionShape::None);
}

TEST(ScreenClamp, PullsWindowsInsideAndNeverToZero) {
    const Size area{1024, 738};
    EXPECT_EQ(ClampToScreen({194, 105, 394, 305}, area), (Point{194, 105}));
    EXPECT_EQ(ClampToScreen({900, 105, 1100, 305}, area), (Point{824, 105}));
    EXPECT_EQ(ClampToScreen({100, 700, 300, 900}, area), (Point{100, 538}));
    EXPECT_EQ(ClampToScreen({-50, 0, 150, 200}, area), (Point{1, 1}));
    // Larger than the area: top-left at 1, 1.
    EXPECT_EQ(ClampToScreen({300, 300, 2300, 2300}, area), (Point{1, 1}));
}

// A settings window opened over the clock hid the change it was making.
TEST(SettingsWindowPlace, BesideTheClockWhereItFitsElseOverItInsideTheArea) {
    const Rect area{0, 0, 1024, 738};
    const Rect clock{194, 105, 394, 305};
    struct Case {
        Rect clock;
        Size window;
        Point expected;
    } cases[] = {
        {clock, {300, 450}, {402, 105}},                 // right, level with the clock's top
        {{700, 105, 900, 305}, {300, 450}, {392, 105}},  // left
        {clock, {680, 300}, {194, 313}},                 // below: too wide for either side
        {{194, 430, 394, 630}, {680, 300}, {194, 122}},  // above
        {{600, 600, 800, 738}, {300, 450}, {292, 288}},  // left, pulled up into the area
        {{0, 0, 1024, 738}, {300, 450}, {724, 0}},       // no room anywhere: over the clock
        {{100, 200, 950, 600}, {300, 300}, {100, 0}},    // the most room is above
    };
    for (const Case& c : cases) {
        const Point at = PlaceBeside(c.clock, c.window, area, 8);
        EXPECT_EQ(at, c.expected) << c.clock.left << "," << c.clock.top;
        const Rect placed = Rect::At(at, c.window);
        EXPECT_EQ(Intersection(placed, area), placed) << "wholly inside the area";
    }
}

TEST(ZOrder, StepsForEachFacePos) {
    EXPECT_EQ(ZOrderForFacePos(0).count, 1);
    EXPECT_EQ(ZOrderForFacePos(0).steps[0], ZOrder::TopMost);
    EXPECT_EQ(ZOrderForFacePos(1).count, 1);
    EXPECT_EQ(ZOrderForFacePos(1).steps[0], ZOrder::NoTopMost);
    ASSERT_EQ(ZOrderForFacePos(2).count, 2);
    EXPECT_EQ(ZOrderForFacePos(2).steps[0], ZOrder::NoTopMost);
    EXPECT_EQ(ZOrderForFacePos(2).steps[1], ZOrder::Bottom);
    EXPECT_EQ(ZOrderForFacePos(3).count, 0);
}

}  // namespace
}  // namespace marvix
