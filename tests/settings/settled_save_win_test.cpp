// Settings saved while the clock runs, under Wine: soon after a change settles, and never while
// nothing changes.
#include <windows.h>

#include <atomic>

#include "../support/clock_fixture_win.h"
#include "dialogs/hands_dialog.h"
#include "dialogs/table_dialog_win.h"
#include "settings/registry_store.h"

namespace marvix {
namespace {

using SettledSaveTest = ClockFixture;

// The registry, with every write counted.
class CountingRegistry final : public RegistryValues {
public:
    std::atomic<int> writes = 0;
    StoredText ReadValue(std::string_view name) override { return registry_.ReadValue(name); }
    std::string WriteValue(std::string_view name, std::string_view text) override {
        ++writes;
        return registry_.WriteValue(name, text);
    }

private:
    Win32Registry registry_;
};

// Runs the program's own message loop, timers and all, for a while.
void RunFor(DWORD milliseconds, Application& app) {
    const DWORD until = GetTickCount() + milliseconds;
    while (GetTickCount() < until) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            app.Dispatch(message);
        } else {
            Sleep(5);
        }
    }
}

// Killed three seconds after a change, the process used to lose every change of its run.
TEST_F(SettledSaveTest, AChangeIsInTheRegistryBeforeTheProcessEnds) {
    Store("Tray", "true");
    Store("DFont3", "Arial");  // fonts a tray clock never read
    Start();
    auto& hands = static_cast<TableDialog&>(app_->FirstClock().Dialog(DialogId::Hands));
    hands.Show();
    Pump();
    SendMessageA(hands.Control(IdOf(HandsControl::Smooth)), BM_CLICK, 0, 0);  // "Smooth"
    ASSERT_TRUE(Clock().Settings().Smooth);
    RunFor(3000, *app_);
    // A machine busy with other work may deliver the half-second checks late.
    for (int extra = 0; extra < 30 && Stored("Smooth") != "true"; ++extra) RunFor(100, *app_);
    while (Clock().Saver().IsSaving()) Sleep(10);
    // As a process ended now, without its exit save, would leave the key.
    EXPECT_EQ(Stored("Smooth"), "true");
    EXPECT_EQ(Stored("DFont3"), "Arial");
    EXPECT_EQ(Stored("Still"), "<missing>");
}

// The clock's own handlers change settings too; each change counts, and is saved once it settles.
TEST_F(SettledSaveTest, TheClocksOwnChangesAreSavedAsTheyHappen) {
    Start();
    CountingRegistry registry;
    Clock().Saver().UseStore(registry);
    auto settle = [&] {
        for (int check = 0; check < SettledSave::kSettledChecks + 1; ++check)
            Clock().Ticker().SaveWhenSettled();
        while (Clock().Saver().IsSaving()) Sleep(10);
    };
    SendMessageA(ClockHwnd(), WM_LBUTTONDBLCLK, 0, 0);  // into the tray
    settle();
    EXPECT_EQ(Stored("Tray"), "true");
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, 0, WM_LBUTTONDOWN);  // and back
    settle();
    EXPECT_EQ(Stored("Tray"), "false");
    EXPECT_EQ(registry.writes, 2 * int(ExitSettings().size()));
    settle();
    EXPECT_EQ(registry.writes, 2 * int(ExitSettings().size())) << "nothing more to write";
}

TEST_F(SettledSaveTest, AClockLeftAloneForAMinuteWritesNothing) {
    Store("Smooth", "true");
    Store("SSec", "true");
    Start();
    CountingRegistry registry;
    Clock().Saver().UseStore(registry);
    // A minute of smooth ticks, blinks, seconds and save checks, as the timers would run them.
    for (int tick = 0; tick < 6000; ++tick) {
        time_.time.millisecond = uint16_t(tick % 100 * 10);
        time_.time.second = uint16_t(tick / 100);
        Clock().Ticker().Tick();
        if (tick % 100 == 0) Clock().Ticker().PaceTickTock();
        if (tick % 50 == 0) {
            Clock().Ticker().BlinkColons();
            Clock().Ticker().SaveWhenSettled();
        }
    }
    EXPECT_EQ(registry.writes, 0);

    Clock().Parts().model.Edit().HWT = 5;
    for (int check = 0; check < SettledSave::kSettledChecks + 1; ++check)
        Clock().Ticker().SaveWhenSettled();
    while (Clock().Saver().IsSaving()) Sleep(10);
    EXPECT_EQ(registry.writes, int(ExitSettings().size())) << "one save of the whole record";
    Clock().Ticker().SaveWhenSettled();
    Stop();
}

}  // namespace
}  // namespace marvix
