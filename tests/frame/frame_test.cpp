#include "frame/frame.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../support/recording_frame.h"

namespace marvix {
namespace {

using Frame = RecordingFrame;

// What a tick does: the face laid out, then the frame composed at `now`.
LiveState Tick(ClockSettings& settings, Frame& frame, const ClockInstant& now) {
    FrameSurfaces surfaces = frame.Surfaces();
    LiveState live;
    live.layout = LayOutFace(settings, surfaces.face.GetSize(), surfaces.display.GetSize());
    ComposeFrame(settings, live, surfaces, now);
    return live;
}

TEST(Frame, BeginsWithAPlainCopyOfTheWholeFace) {
    Frame frame;
    ClockSettings settings = DefaultSettings();
    Tick(settings, frame, FixedClock().Instant());
    ASSERT_FALSE(frame.log.empty());
    EXPECT_EQ(frame.log.front(), "display: copy 0,0 200x200 from face to 0,0");
}

// The frame is made from the instant it is given, and from nothing else: no clock is read.
TEST(Frame, TwoInstantsGiveTheirOwnFrames) {
    auto secondHand = [](LocalTime time) {
        Frame frame;
        ClockSettings settings = DefaultSettings();
        Tick(settings, frame, InstantAt(time, 0));
        return frame.log.back();  // the second hand, drawn last
    };
    EXPECT_EQ(secondHand({2026, 12, 7, 2, 10, 15, 30, 0}), "display: line 100,178 width 1");
    EXPECT_EQ(secondHand({2026, 12, 7, 2, 10, 16, 0, 0}), "display: line 100,22 width 1");
}

TEST(Frame, MirroredFaceStartsAtTheLastColumnWithANegativeWidth) {
    Frame frame;
    ClockSettings settings = DefaultSettings();
    settings.Reversed = true;
    Tick(settings, frame, FixedClock().Instant());
    ASSERT_FALSE(frame.log.empty());
    EXPECT_EQ(frame.log.front(), "display: stretch 199,0 -200x200 from face to 0,0 200x200");
}

TEST(Frame, GeometryFollowsTheFaceOnEveryTick) {
    Frame frame;
    frame.face.Resize({300, 120});
    frame.display.Resize({300, 120});
    frame.log.clear();
    ClockSettings settings = DefaultSettings();
    const HandGeometry hands = Tick(settings, frame, FixedClock().Instant()).layout.hands;
    EXPECT_EQ(hands.centre.x, 150);
    EXPECT_EQ(hands.centre.y, 60);
    EXPECT_EQ(hands.lengths[size_t(Hand::Hour)], 24);
    EXPECT_EQ(frame.log.front(), "display: copy 0,0 300x120 from face to 0,0");
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// Which part of the frame a recorded call belongs to.
std::string PartOf(const std::string& entry) {
    if (entry.find("from face to 0,0") != std::string::npos && entry.rfind("display:", 0) == 0) {
        return "face";
    }
    for (const char* part : {"moon", "dayNight", "digit"}) {
        if (entry.rfind(part, 0) == 0 ||
            entry.find(std::string("from ") + part) != std::string::npos) {
            return part;
        }
    }
    return "hands";
}

TEST(Frame, FaceThenPhaseDialsThenDigitalDisplaysThenHands) {
    Frame frame;
    ClockSettings settings = DefaultSettings();
    settings.ShowMoon = settings.ShowDay = true;
    Tick(settings, frame, FixedClock().Instant());
    std::vector<std::string> parts;
    for (const std::string& entry : frame.log) {
        const std::string part = PartOf(entry);
        if (parts.empty() || parts.back() != part) parts.push_back(part);
    }
    EXPECT_EQ(parts, (std::vector<std::string>{"face", "moon", "dayNight", "digit", "hands"}));
}

// A timer and the stopwatch below the label: the timer's sector and time left under the hands,
// the stopwatch with them (its tenths change as often as they move), to the tenth on a smooth
// clock only.
TEST(Frame, ATimerAndTheStopwatchStandBelowTheLabelOnTheirLayers) {
    for (const bool smooth : {false, true}) {
        Frame frame;
        ClockSettings settings = DefaultSettings();
        settings.Label = "Home";
        settings.LabelShow = true;
        settings.Smooth = smooth;
        const ClockInstant now = FixedClock().Instant();
        LiveState live;
        FrameSurfaces surfaces = frame.Surfaces();
        live.layout = LayOutFace(settings, surfaces.face.GetSize(), surfaces.display.GetSize());
        live.timer = {
            .shown = true, .running = true, .endsMs = UniversalMilliseconds(now) + 900'000};
        live.stopwatch = {.shown = true, .runMs = 12'345};
        ComposeUnderHands(settings, live, surfaces, now);
        const std::vector<std::string> under = frame.log;
        frame.log.clear();
        ComposeHands(settings, live, surfaces, now);
        // The label's place, two thirds down (13 pixels a line here): the label, then 15:00, then
        // the stopwatch.
        EXPECT_NE(std::find(under.begin(), under.end(), "display: text 88,127 \"Home\""),
                  under.end());
        EXPECT_NE(std::find(under.begin(), under.end(), "display: text 85,140 \"15:00\""),
                  under.end());
        EXPECT_EQ(frame.log.front(),
                  smooth ? "display: text 82,153 \"0:12.3\"" : "display: text 88,153 \"0:12\"");
    }
}

}  // namespace
}  // namespace marvix
