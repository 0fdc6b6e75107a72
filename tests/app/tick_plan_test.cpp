#include "app/tick_plan.h"

#include <gtest/gtest.h>

#include "../support/recording_frame.h"

namespace marvix {
namespace {

// A smooth clock whose frame stands still: no hands, no displays.
struct StillClock {
    RecordingFrame frame;
    // A log of its own: the recording surfaces count every call logged as a new version, and a
    // face drawn on by nobody keeps its version.
    std::vector<std::string> faceLog;
    RecordingSurface face{"face", {200, 200}, &faceLog};
    FrameSurfaces surfaces = WithOwnFace();
    RecordingSurface underHands{"underHands", {200, 200}, &frame.log};
    ClockSettings s = DefaultSettings();
    FixedClock clock;
    FrameCache cache;
    TickPlan plan;

    StillClock() {
        s.Smooth = true;
        s.DispH = s.DispM = s.DispS = s.SDay = s.SDate = false;
        clock.time = {2026, 12, 7, 2, 10, 59, 59, 900};
    }
    FrameSurfaces WithOwnFace() {
        FrameSurfaces f = frame.Surfaces();
        return FrameSurfaces{f.display, face, f.digits, f.moon, f.dayNight};
    }
    int Tick(int stepMs = 10) {
        s.Time = clock.time;
        cache.Compose(s, surfaces, underHands, clock);
        return plan.StepsToNextTick(s, cache, surfaces, 0, stepMs);
    }
};

TEST(TickPlan, SleepsUntilTheFrameChangesOrASoundStartsAndNoLongerThanTheStandardTick) {
    StillClock still;
    EXPECT_EQ(still.Tick(), 25) << "nothing changes: the standard tick's 250 ms";
    EXPECT_EQ(still.Tick(250), 1);

    StillClock chime;
    chime.s.Chime1 = true;
    EXPECT_EQ(chime.Tick(), 10) << "the hour chime at 11:00:00.000";

    StillClock seconds;
    seconds.s.SSec = true;
    EXPECT_EQ(seconds.Tick(), 10) << "the seconds display turns over with the chime's second";

    StillClock hand;
    hand.s.DispS = true;
    const int steps = hand.Tick();
    EXPECT_LT(steps, 25) << "a smooth second hand moves";
    // The plan looked at copies: the clock's own settings are as the tick left them.
    EXPECT_EQ(hand.s.Time, hand.clock.time);
    EXPECT_FALSE(chime.s.HourChimeDone);
}

}  // namespace
}  // namespace marvix
