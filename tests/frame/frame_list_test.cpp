// A frame listed and replayed draws exactly the calls that listing it made, on the same surfaces.
#include "frame/frame_list.h"

#include <gtest/gtest.h>

#include "../support/recording_surface.h"

namespace marvix {
namespace {

// Every kind of call, on the display and on a display surface, with copies from the face.
void DrawEverything(FrameSurfaces& f) {
    Surface& box = *f.digits[3];
    box.Resize({30, 12});
    box.CopyFrom(f.face, Rect::At({5, 5}, {30, 12}), {0, 0});
    box.WriteText({1, 1}, "Tuesday", Font{"Tahoma", 9, {FontStyle::kBold}, Colour{0xFF}},
                  Brush::Clear());
    f.display.StretchFrom(f.face, {199, 0}, {-200, 200}, Rect::At({0, 0}, {200, 200}));
    f.display.CopyFrom(box, Rect::At({0, 0}, {30, 12}), {150, 90});
    f.moon.Arc({0, 0, 49, 49}, {0, 24}, {49, 24}, Pen{Colour{0x80000005}});
    f.moon.FloodFill({24, 40}, Colour{1}, Colour{2});
    f.display.CopyFrom(f.moon, Rect::At({0, 0}, {49, 49}), {20, 20});
    f.display.Ellipse({90, 90, 110, 110}, Pen{Colour{3}, 2}, Brush{Colour{4}});
    f.display.FillRect({1, 2, 3, 4}, Colour{5});
    f.display.MoveTo({100, 100});
    f.display.LineTo({100, 20}, Pen{Colour{6}, 7});
    const Point kite[] = {{96, 100}, {100, 30}, {104, 100}, {100, 110}};
    f.display.Polygon(kite, Pen{Colour{7}}, Brush{Colour{8}});
}

struct Pictures {
    std::vector<std::string> log;
    RecordingSurface display{"display", {200, 200}, &log}, face{"face", {200, 200}, &log},
        moon{"moon", {49, 49}, &log}, day{"day", {49, 49}, &log};
    std::array<RecordingSurface, 12> digits = [this] {
        return std::array<RecordingSurface, 12>{{{"d0", {1, 1}, &log},
                                                 {"d1", {1, 1}, &log},
                                                 {"d2", {1, 1}, &log},
                                                 {"d3", {1, 1}, &log},
                                                 {"d4", {1, 1}, &log},
                                                 {"d5", {1, 1}, &log},
                                                 {"d6", {1, 1}, &log},
                                                 {"d7", {1, 1}, &log},
                                                 {"d8", {1, 1}, &log},
                                                 {"d9", {1, 1}, &log},
                                                 {"d10", {1, 1}, &log},
                                                 {"d11", {1, 1}, &log}}};
    }();
    FrameSurfaces Frame() {
        FrameSurfaces f{display, face, {}, moon, day};
        for (size_t i = 0; i < 12; ++i) f.digits[i] = &digits[i];
        return f;
    }
};

TEST(FrameListTest, ReplayDrawsWhatWasListedAndTheAreaHoldsEveryStroke) {
    Pictures direct;
    FrameSurfaces directFrame = direct.Frame();
    DrawEverything(directFrame);

    Pictures replayed;
    FrameSurfaces real = replayed.Frame();
    FrameList list;
    FrameListing listing(list);
    FrameSurfaces listed = listing.Attach(real);
    DrawEverything(listed);
    EXPECT_TRUE(replayed.log.empty()) << "listing draws nothing";

    list.Replay(0, list.Size(), SurfacesOf(real));
    EXPECT_EQ(replayed.log, direct.log);

    // The area holds the stroke of a wide pen, and only what was drawn on the display.
    const size_t first = list.CallCount();
    listing[FrameSurface::Moon].FillRect({0, 0, 49, 49}, Colour{});
    listing[FrameSurface::Display].MoveTo({100, 100});
    listing[FrameSurface::Display].LineTo({100, 20}, Pen{Colour{6}, 7});
    const Rect area = list.DrawnArea(first);
    EXPECT_LE(area.left, 96);
    EXPECT_GE(area.right, 105);
    EXPECT_LE(area.top, 16);
    EXPECT_GE(area.bottom, 104);
    EXPECT_LT(area.Width(), 20);
}

// Two ticks of a clock with two hands: a line and a kite, drawn on the display.
struct Tick {
    FrameList list;
    FrameListing listing{list};
    void Hands(Point lineStart, Point kiteTip) {
        list.Clear();
        ListingSurface& display = listing[FrameSurface::Display];
        display.MoveTo(lineStart);
        display.LineTo({100, 20}, Pen{Colour{6}, 1});
        const Point kite[] = {{96, 100}, kiteTip, {104, 100}, {100, 110}};
        display.Polygon(kite, Pen{Colour{7}}, Brush{Colour{8}});
    }
};

TEST(FrameListTest, OnlyTheCallsThatDifferMakeTheDifferingArea) {
    Pictures real;
    FrameSurfaces frame = real.Frame();
    Tick a, b;
    a.listing.Attach(frame);
    b.listing.Attach(frame);
    a.Hands({100, 100}, {100, 30});

    b.Hands({100, 100}, {100, 30});
    EXPECT_TRUE(DifferingArea(a.list, 0, b.list, 0)->Empty()) << "equal lists differ nowhere";

    b.Hands({100, 100}, {150, 60});
    const Rect kite = DifferingArea(a.list, 0, b.list, 0)->Bounds();
    EXPECT_TRUE(kite.left <= 96 && kite.top <= 30 && kite.right >= 151 && kite.bottom >= 111);
    EXPECT_GT(kite.left, 90) << "the line, which did not move, is not in it";

    // A line that starts elsewhere differs, though only the move before it changed.
    b.Hands({60, 100}, {100, 30});
    const Rect line = DifferingArea(a.list, 0, b.list, 0)->Bounds();
    EXPECT_LE(line.left, 60);
    EXPECT_LT(line.right, 104) << "the kite, which did not move, is not in it";

    // A call more, or a differing call on another surface, may change the display anywhere.
    b.Hands({100, 100}, {100, 30});
    b.listing[FrameSurface::Display].FillRect({0, 0, 5, 5}, Colour{1});
    EXPECT_FALSE(DifferingArea(a.list, 0, b.list, 0));
    a.listing[FrameSurface::Moon].FillRect({0, 0, 5, 5}, Colour{1});
    b.Hands({100, 100}, {100, 30});
    b.listing[FrameSurface::Moon].FillRect({0, 0, 5, 5}, Colour{2});
    EXPECT_FALSE(DifferingArea(a.list, 0, b.list, 0));
}

}  // namespace
}  // namespace marvix
