#pragma once

// A clock's tick and its chores, served by the program's one timer. The tick samples the clock's
// time, plays what falls due, composes the frame and shows what changed, then plans when it next
// has something to do; the chores blink the colons, save the settings once they have settled,
// read the clock in words and watch the monitors and full-screen programs.

#include "clock/clock_bell_win.h"
#include "clock/clock_face_win.h"
#include "clock/clock_in_words_win.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_placement_win.h"
#include "clock/clock_window_win.h"
#include "clock/settings_saver_win.h"
#include "frame/clock_model.h"
#include "frame/tick_schedule.h"

namespace marvix {

// What a tick reaches of its clock.
struct TickedParts {
    ClockOwner& owner;
    ClockModel& model;
    TimeSource& time;
    ClockWindow& window;
    ClockPlacement& placement;
    TickSchedule& schedule;
    SettingsSaver& saver;
    ClockFace& face;
    ClockInWords& words;
    ClockBell& bell;
};

class ClockTicker final : public TickClient {
public:
    ClockTicker(Heartbeat& heartbeat, const TickedParts& parts)
        : heartbeat_(heartbeat), p_(parts) {}
    ~ClockTicker() { End(); }
    ClockTicker(const ClockTicker&) = delete;
    ClockTicker& operator=(const ClockTicker&) = delete;

    // The window's life: from its creation the clock ticks and its chores run; at its end both
    // stop.
    void Begin();
    void End();

    // TickClient, public so that tests and benchmarks can drive the clock step by step.
    const TickSchedule& Schedule() const override { return p_.schedule; }
    void Serve() override { Tick(); }
    void RunChores(const Chores& due) override;
    void Tick();
    // The one-second step of the tick and tock sounds.
    void PaceTickTock();
    void BlinkColons();
    // A key or a click may have changed what the clock shows in ways no setting says.
    void TickSoon() { p_.schedule.TickSoon(); }
    // Saves the settings once a change has settled (see SettingsSaver).
    void SaveWhenSettled();
    // With "Hide over full-screen programs": the clock hides while another program's full-screen
    // window is in front on its monitor, and shows again where it was when that window goes. It
    // ticks on meanwhile: its alarms still ring.
    void WatchFullScreen();

private:
    HWND Window() const { return p_.window.Window(); }

    Heartbeat& heartbeat_;
    TickedParts p_;
    bool joined_ = false;
    bool hiddenForFullScreen_ = false;
};

}  // namespace marvix
