#include "frame/placement.h"

#include <gtest/gtest.h>

#include <vector>

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

// SmoothOutline 0 follows the system; a square or hard-edged clock is cut as it always was.
TEST(WindowRegion, OnlyASmoothCurvedOutlineIsLayeredOrMendedAndLayeredWhereAskedOrComposed) {
    const Size client{200, 200};
    const WindowRegion round = RegionForShape(0, 0, client), square = RegionForShape(1, 30, client);
    using K = OutlineKind;
    EXPECT_EQ(OutlineFor(0, true, true, round), K::Layered);
    EXPECT_EQ(OutlineFor(0, true, false, round), K::Mended);
    EXPECT_EQ(OutlineFor(1, true, false, RegionForShape(2, 30, client)), K::Layered);
    EXPECT_EQ(OutlineFor(2, true, true, round), K::Mended);
    EXPECT_EQ(OutlineFor(1, false, true, round), K::Cut);
    EXPECT_EQ(OutlineFor(1, true, true, square), K::Cut);
}

TEST(ScreenClamp, PullsWindowsInsideTheAreaAndNeverOntoItsEdge) {
    const Rect area{0, 0, 1024, 738};
    EXPECT_EQ(ClampToArea({194, 105, 394, 305}, area), (Point{194, 105}));
    EXPECT_EQ(ClampToArea({900, 105, 1100, 305}, area), (Point{824, 105}));
    EXPECT_EQ(ClampToArea({100, 700, 300, 900}, area), (Point{100, 538}));
    EXPECT_EQ(ClampToArea({-50, 0, 150, 200}, area), (Point{1, 1}));
    // Larger than the area: top-left one pixel inside.
    EXPECT_EQ(ClampToArea({300, 300, 2300, 2300}, area), (Point{1, 1}));
    // A work area that does not start at 0: a taskbar on the left, a monitor above the main one.
    EXPECT_EQ(ClampToArea({-900, -700, -700, -500}, {-1024, -768, 0, -40}), (Point{-900, -700}));
    EXPECT_EQ(ClampToArea({-1100, -200, -900, 0}, {-1024, -768, 0, -40}), (Point{-1023, -240}));
    EXPECT_EQ(ClampToArea({40, 10, 240, 210}, {60, 0, 1024, 768}), (Point{61, 10}));
}

// Two monitors side by side: the main one 1024 x 768 with a 30-pixel taskbar, an 800 x 600 one
// to its right or its left.
TEST(ScreenClamp, KeepsAWindowOnItsOwnMonitorAndBringsBackOneThatIsOffThemAll) {
    const Monitor main{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
    const Monitor right{{1024, 0, 1824, 600}, {1024, 0, 1824, 600}};
    const Monitor left{{-800, 0, 0, 600}, {-800, 0, 0, 600}};
    // clang-format off
    const std::vector<Monitor> rightOfMain{main, right}, leftOfMain{main, left}, mainOnly{main}, none;
    struct Case {
        const char* what;
        const std::vector<Monitor>& monitors;
        Rect window;
        bool ignoreBoundary;
        Point expected;
    } cases[] = {
        {"on the second monitor, it stays", rightOfMain, {1300, 100, 1500, 300}, false, {1300, 100}},
        {"left of the main one, it stays", leftOfMain, {-600, 100, -400, 300}, false, {-600, 100}},
        {"past the second's bottom, which is above the main's", rightOfMain, {1300, 500, 1500, 700}, false, {1300, 400}},
        {"mostly on the second: inside it", rightOfMain, {1000, 100, 1200, 300}, false, {1025, 100}},
        {"mostly on the main: inside it", rightOfMain, {900, 100, 1100, 300}, false, {824, 100}},
        {"off every monitor: onto the nearest", rightOfMain, {2000, 900, 2200, 1100}, false, {1624, 400}},
        {"its monitor unplugged: onto the main one", mainOnly, {1300, 100, 1500, 300}, false, {824, 100}},
        {"left monitor unplugged, past the main's left", mainOnly, {-600, 100, -400, 300}, false, {1, 100}},
        {"clamp off, partly off the screen: stays", rightOfMain, {1700, 500, 1900, 700}, true, {1700, 500}},
        {"clamp off, off every monitor: back", mainOnly, {1300, 100, 1500, 300}, true, {824, 100}},
        {"no monitor known: stays", none, {1300, 100, 1500, 300}, false, {1300, 100}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(KeepOnScreen(c.window, c.monitors, c.ignoreBoundary), c.expected) << c.what;
    }
}

TEST(ScreenClamp, CentredInTheAreaOrAtItsTopLeftWhenLarger) {
    EXPECT_EQ(CentreIn({200, 100}, {1024, 0, 1824, 600}), (Point{1324, 250}));
    EXPECT_EQ(CentreIn({900, 700}, {1024, 0, 1824, 600}), (Point{1024, 0}));
}

// A settings window opened over the clock hid the change it was making.
TEST(SettingsWindowPlace, BesideTheClockWhereItFitsElseOverItInsideTheArea) {
    const Rect area{0, 0, 1024, 738};
    const Rect clock{194, 105, 394, 305};
    const Rect menu{708, 150, 846, 472};  // the control menu
    struct Case {
        Rect clock;
        Size window;
        Point expected;
        std::vector<Rect> clearOf = {};
        std::vector<Rect> windows = {};
    } cases[] = {
        {clock, {300, 450}, {402, 105}},                 // right, level with the clock's top
        {{700, 105, 900, 305}, {300, 450}, {392, 105}},  // left
        {clock, {680, 300}, {194, 313}},                 // below: too wide for either side
        {{194, 430, 394, 630}, {680, 300}, {194, 122}},  // above
        {{600, 600, 800, 738}, {300, 450}, {292, 288}},  // left, pulled up into the area
        {{0, 0, 1024, 738}, {300, 450}, {724, 0}},       // no room anywhere: over the clock
        {{100, 200, 950, 600}, {300, 300}, {0, 0}},      // over as little of the clock as can be
        {{500, 105, 700, 305}, {300, 450}, {192, 105}, {menu}},  // left, clear of the menu
        {clock, {680, 300}, {0, 313}, {menu}},                   // below, moved left of the menu
        {clock, {300, 450}, {710, 105}, {}, {{402, 105, 702, 555}}},  // beside an open window
    };
    for (const Case& c : cases) {
        const Point at = PlaceBeside(c.clock, c.window, area, 8, c.clearOf, c.windows);
        EXPECT_EQ(at, c.expected) << c.clock.left << "," << c.clock.top;
        const Rect placed = Rect::At(at, c.window);
        EXPECT_EQ(Intersection(placed, area), placed) << "wholly inside the area";
    }
}

// Windows opened over the control menu took the next click meant for it: where nothing is clear,
// a window covers other settings windows before the menu, and the menu before the clock.
TEST(SettingsWindowPlace, HidesOtherWindowsBeforeTheMenuAndTheMenuBeforeTheClock) {
    const Rect area{0, 0, 1024, 738}, clock{0, 0, 200, 738};
    const Rect menu{212, 0, 412, 738}, open{424, 0, 1024, 738}, wideMenu{212, 0, 1024, 738};
    EXPECT_EQ(PlaceBeside(clock, {300, 300}, area, 8, {&menu, 1}, {&open, 1}), (Point{420, 0}));
    EXPECT_EQ(PlaceBeside(clock, {300, 300}, area, 8, {&wideMenu, 1}), (Point{208, 0}));
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

// Layered only when it must be: 100 per cent without click-through is today's plain window.
TEST(Overlay, LayeredOnlyForClickThroughOrSeeThroughAndOpacityHeldTo20To100) {
    const struct {
        bool clickThrough;
        int percent;
        OverlayStyle style;
    } cases[] = {
        {false, 100, {false, false, 255}}, {true, 100, {true, true, 255}},
        {false, 50, {true, false, 128}},   {true, 20, {true, true, 51}},
        {false, 5, {true, false, 51}},     {false, 250, {false, false, 255}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OverlayStyleFor(c.clickThrough, c.percent), c.style)
            << c.clickThrough << " " << c.percent;
    }
}

// A game or a video full screen: no caption, not maximised, the whole monitor; a maximised
// window, one with a caption or one that leaves part of the monitor is no such thing.
TEST(Overlay, AFullScreenWindowCoversItsWholeMonitorWithoutACaption) {
    const Rect monitor{0, 0, 1024, 768}, right{1024, 0, 2304, 1024};
    const struct {
        const char* what;
        Rect window;
        Rect monitor;
        bool captioned, maximised, covers;
    } cases[] = {
        {"full screen", monitor, monitor, false, false, true},
        {"larger than it", {-8, -8, 1032, 776}, monitor, false, false, true},
        {"with a caption", monitor, monitor, true, false, false},
        {"maximised", monitor, monitor, false, true, false},
        {"a taskbar's height short", {0, 0, 1024, 738}, monitor, false, false, false},
        {"on the other monitor", right, monitor, false, false, false},
        {"no monitor", monitor, {}, false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CoversMonitor(c.window, c.monitor, c.captioned, c.maximised), c.covers) << c.what;
    }
}

}  // namespace
}  // namespace marvix
