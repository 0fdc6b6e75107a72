#include "frame/tick_plan.h"

#include <gtest/gtest.h>

#include "../support/recording_frame.h"

namespace marvix {
namespace {

// A smooth clock at 10:59:59.900 whose frame stands still: no hands, no displays.
struct StillClock {
    RecordingFrame frame;
    // A log of its own: the recording surfaces take every call logged for a new version, and a
    // face drawn on by nobody keeps its version.
    std::vector<std::string> faceLog;
    RecordingSurface face{"face", {200, 200}, &faceLog};
    ClockSettings s = DefaultSettings();
    LiveState live;
    SoundLatches sounds;
    FixedClock clock;
    FrameCache cache;

    int Tick(int stepMs) {
        s.DispH = s.DispM = s.DispS = s.SDay = s.SDate = false;
        clock.time = {2026, 12, 7, 2, 10, 59, 59, 900};
        FrameSurfaces f = frame.Surfaces();
        FrameSurfaces surfaces{f.display, face, f.digits, f.moon, f.dayNight};
        live.layout = LayOutFace(s, surfaces.face.GetSize(), surfaces.display.GetSize());
        cache.Compose(s, live, surfaces, clock.Instant());
        return StepsToNextTick(s, live, sounds, cache, surfaces, clock.Instant(), stepMs);
    }
};

TEST(TickPlan, SleepsUntilASoundStartsAndNoLongerThanTheStandardTick) {
    EXPECT_EQ(StillClock().Tick(10), 25) << "nothing changes: the standard tick's 250 ms";
    EXPECT_EQ(StillClock().Tick(250), 1);
    StillClock chime;
    chime.s.Chime1 = true;
    EXPECT_EQ(chime.Tick(10), 10) << "the hour chime at 11:00:00.000";
    EXPECT_FALSE(chime.sounds.hourChimeDone) << "the plan runs the rules on a copy";

    StillClock stopwatch;
    stopwatch.s.Smooth = true;
    stopwatch.live.stopwatch = {.shown = true, .running = true, .startedMs = 5};
    const StopwatchOnFace running = stopwatch.live.stopwatch;
    EXPECT_EQ(stopwatch.Tick(10), 15) << "its tenth changes 5 ms on, yet it waits for a frame";
    EXPECT_EQ(stopwatch.live.stopwatch, running) << "held only while the plan looks ahead";
    stopwatch.s.Smooth = false;
    EXPECT_EQ(stopwatch.Tick(250), 1) << "whole seconds, at the standard tick";
}

}  // namespace
}  // namespace marvix
