#include "frame/tick_schedule.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

struct StillHeartbeat final : Heartbeat {
    TickMs Now() const override { return now; }
    void Join(TickClient&) override {}
    void Leave(TickClient&) override {}
    void DuesChanged() override { ++changes; }
    TickMs now = 1000;
    int changes = 0;
};

// One clock's schedule through a smooth clock's life: what is due when, and which wakes serve it.
// A wake serves a clock up to half its step early, so that clocks served apart once fall in step
// again at the next wake, and never serves a clock that waits.
TEST(TickScheduleTest, DueTimesAndTheWakesThatServeThem) {
    StillHeartbeat beat;
    TickSchedule schedule(beat);
    EXPECT_FALSE(schedule.Due()) << "waits until started";
    schedule.UseStep(true);
    schedule.Start();
    EXPECT_EQ(schedule.Due(), 1010);
    EXPECT_FALSE(schedule.DueBy(1004));
    EXPECT_TRUE(schedule.DueBy(1005)) << "half a step early";

    beat.now = 1010;
    schedule.SleepSteps(12);  // the tick plan foresaw nothing for 120 ms
    EXPECT_EQ(schedule.Due(), 1130);
    EXPECT_EQ(schedule.NextTickIn(), 120);
    beat.now = 1050;
    schedule.TickSoon();
    EXPECT_EQ(schedule.Due(), 1060) << "something else changed the frame";
    beat.now = 1055;
    schedule.TickSoon();
    EXPECT_EQ(schedule.Due(), 1060) << "never later than planned";

    schedule.UseStep(false);
    EXPECT_EQ(schedule.Due(), 1305);
    EXPECT_TRUE(schedule.DueBy(1180)) << "a 4 Hz clock joins a wake up to 125 ms early";
    schedule.Stop();
    EXPECT_FALSE(schedule.DueBy(5000));
    EXPECT_FALSE(schedule.Due());
    EXPECT_EQ(beat.changes, 4) << "the heartbeat hears of every new due";
}

}  // namespace
}  // namespace marvix
