#pragma once

// The computer woken for what should wake it: the soonest alarm marked to wake it on any clock
// (by that clock zone's rules) and the soonest running timer, found again within a second of a
// timer's change, once a minute (alarms, the zone or the computer's clock may change), and
// whenever asked, with the program's one wake timer set a minute before it. What Windows answered says
// whether this computer can wake at all, and why not.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame/tick_schedule.h"
#include "program/wake_timer_win.h"

namespace marvix {

class ClockBook;
class ClockHost;
class ProgramTimers;

// The wake timer as the planner sees it; tests put a recorder in its place.
class WakeTimerApi {
public:
    virtual WakeFacts SetFor(int64_t dueMs) = 0;
    virtual void Cancel() = 0;
    virtual void KeepOn(bool system, bool display) = 0;

protected:
    ~WakeTimerApi() = default;
};

class ProgramWake final : public TickClient {
public:
    // A wake is set this long before what it wakes for.
    static constexpr int64_t kAheadMs = 60'000;
    // "Keep the computer awake until the alarm" keeps it awake from this long before: the
    // evening before a morning's alarm.
    static constexpr int64_t kKeepAwakeMs = 12 * 3'600'000;

    ProgramWake(Heartbeat& heartbeat, ClockBook& clocks, ProgramTimers& timers);
    ~ProgramWake();
    ProgramWake(const ProgramWake&) = delete;
    ProgramWake& operator=(const ProgramWake&) = delete;

    void Start();
    void UseTimer(WakeTimerApi& timer) { timer_ = &timer; }
    // Finds the soonest wake and sets the timer again if it moved; keeps the system awake before
    // an alarm of a clock that asks it to, and the display on while an alarm that wakes rings.
    void Plan();
    // The computer woke: the timer, spent, is set again.
    void AfterWake();
    // The instant the timer is set for, while it is.
    std::optional<int64_t> SetFor() const { return setFor_; }
    // Why this computer cannot wake itself, as the last setting found; nullopt when it can.
    const std::optional<std::string>& CannotWake() const { return cannotWake_; }

    // TickClient: never due; the second's chores plan again once a minute.
    const TickSchedule& Schedule() const override { return schedule_; }
    void Serve() override {}
    void RunChores(const Chores& due) override;

private:
    class OwnTimer final : public WakeTimerApi {
    public:
        WakeFacts SetFor(int64_t dueMs) override { return timer.SetFor(dueMs); }
        void Cancel() override { timer.Cancel(); }
        void KeepOn(bool system, bool display) override { WakeTimer::KeepOn(system, display); }
        WakeTimer timer;
    };

    uint64_t Fingerprint() const;

    Heartbeat& heartbeat_;
    ClockBook& clocks_;
    ProgramTimers& timers_;
    TickSchedule schedule_{heartbeat_};
    OwnTimer own_;
    WakeTimerApi* timer_ = &own_;
    std::optional<int64_t> setFor_;
    std::optional<std::string> cannotWake_;
    struct Kept {
        bool system = false;
        bool display = false;
        friend bool operator==(const Kept&, const Kept&) = default;
    } kept_;
    // The live clocks as last listed, kept so that listing them once a minute takes no memory.
    std::vector<ClockHost*> live_;
    int secondsToPlan_ = 0;
    uint64_t planned_ = 0;
    bool joined_ = false;
};

}  // namespace marvix
