// Thousands of ticks of the running clock: the GDI objects and the memory it holds stay flat.
#include <windows.h>

#include "../support/clock_fixture_win.h"
#include "../support/process_counters_win.h"

namespace marvix {
namespace {

using SoakTest = ClockFixture;

// One tick as the message loop runs it: the timer, then the paint of the finished frame. Every
// tenth tick the whole window is repainted, as when it is uncovered.
void Tick(TForm1& clock, FixedClock& time, int index) {
    uint16_t& ms = time.time.millisecond;
    ms = static_cast<uint16_t>(ms + 250);
    if (ms >= 1000) {
        ms -= 1000;
        time.time.second = static_cast<uint16_t>((time.time.second + 1) % 60);
    }
    clock.Timer1Timer();
    if (index % 10 == 0) InvalidateRect(clock.Window(), nullptr, FALSE);
    UpdateWindow(clock.Window());
}

TEST_F(SoakTest, TwentyThousandTicksLeaveNoGdiObjectOrMemoryBehind) {
    // Everything that draws: the phase dials and every digital display, beside the hands.
    Store("ShowMoon", "true");
    Store("ShowDay", "true");
    for (const char* show : {"SMonth", "SYear", "SHour", "SMin", "SSec", "SColon1", "SColon2",
                             "SAMPM", "SIntern1", "SIntern2", "TranSec", "DispDate", "DispDay",
                             "DispMonth", "DispInternet1", "DispInternet2"}) {
        Store(show, "true");
    }
    Store("SHandStyle", "1");
    Store("MHandStyle", "2");
    Start();
    TForm1& clock = Clock();
    for (int i = 0; i < 500; ++i) Tick(clock, time_, i);  // caches and heaps settle
    const int objects = LiveGdiObjects();
    const size_t memory = PrivateBytes();
    ASSERT_GT(objects, 0);

    for (int i = 0; i < 20000; ++i) {
        // Every few thousand ticks the clock turns mirrored or back, as a user might.
        if (i % 5000 == 0) clock.Settings().Reversed = !clock.Settings().Reversed;
        Tick(clock, time_, i);
    }
    EXPECT_EQ(LiveGdiObjects(), objects);
    EXPECT_LT(PrivateBytes(), memory + 256 * 1024) << "grew from " << memory;
}

}  // namespace
}  // namespace marvix
