// Thousands of smooth ticks of the running clock, with the settings changing now and then: the
// GDI objects, the handles and the memory it holds stay flat.
#include <windows.h>

#include "../support/clock_fixture_win.h"
#include "../support/process_counters_win.h"

namespace marvix {
namespace {

using SoakTest = ClockFixture;

// One smooth tick as the message loop runs it: 10 ms later, the timer, then the paint of the
// finished frame. Every tenth tick the whole window is repainted, as when it is uncovered.
void Tick(RunningClock& clock, FixedClock& time, int index) {
    uint16_t& ms = time.time.millisecond;
    ms = static_cast<uint16_t>(ms + 10);
    if (ms >= 1000) {
        ms -= 1000;
        time.time.second = static_cast<uint16_t>((time.time.second + 1) % 60);
    }
    clock.Ticker().Tick();
    if (index % 10 == 0) InvalidateRect(clock.Window(), nullptr, FALSE);
    UpdateWindow(clock.Window());
}

// What a user changes now and then, one change every 500 ticks in turn: each redraws a layer.
void ChangeSomething(RunningClock& clock, int change) {
    ClockSettings& s = clock.Parts().model.Edit();
    switch (change % 5) {
        case 0: s.Reversed = !s.Reversed; break;
        case 1: s.ShowMoon = !s.ShowMoon; break;
        case 2: clock.Ticker().BlinkColons(); break;
        case 3: s.SHandStyle = (s.SHandStyle + 1) % 3; break;
        case 4:
            s.CFont7.value = Colour{s.CFont7.value.value ^ 0xFF};
            clock.Parts().look.ApplyDisplayFont(6);
            break;
    }
}

TEST_F(SoakTest, TwentyThousandSmoothTicksLeaveNoGdiObjectHandleOrMemoryBehind) {
    // Everything that draws: the phase dials and every digital display, beside the hands.
    Store("ShowMoon", "true");
    Store("ShowDay", "true");
    Store("Smooth", "true");
    for (const char* show : {"SMonth", "SYear", "SHour", "SMin", "SSec", "SColon1", "SColon2",
                             "SAMPM", "SIntern1", "SIntern2", "TranSec", "DispDate", "DispDay",
                             "DispMonth", "DispInternet1", "DispInternet2"}) {
        Store(show, "true");
    }
    Store("SHandStyle", "1");
    Store("MHandStyle", "2");
    Start();
    RunningClock& clock = Clock();
    // Caches and heaps settle over two rounds of every change, which come back to the start.
    for (int i = 0; i < 5000; ++i) {
        if (i % 500 == 0) ChangeSomething(clock, i / 500);
        Tick(clock, time_, i);
    }
    const int objects = LiveGdiObjects();
    const uintptr_t handles = NewHandleValue();
    const size_t memory = PrivateBytes();
    ASSERT_GT(objects, 0);

    for (int i = 0; i < 20000; ++i) {
        if (i % 500 == 0) ChangeSomething(clock, i / 500);
        Tick(clock, time_, i);
    }
    EXPECT_EQ(LiveGdiObjects(), objects);
    EXPECT_EQ(NewHandleValue(), handles);
    EXPECT_LT(PrivateBytes(), memory + 256 * 1024) << "grew from " << memory;
}

}  // namespace
}  // namespace marvix
