#pragma once

// The program's timers and stopwatch as they run: every change kept in the registry at once (a
// killed program loses nothing), each end, warning and step served by the program's one tick,
// an ending timer rung in an alarm window beside the clock it shows on, and the soonest timer of
// each clock drawn on its face. Times are universal, from the computer's clock as the program
// reads it, so a change of the computer's zone moves no end.

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "base/local_time.h"
#include "clock/clock_host_win.h"
#include "frame/tick_schedule.h"
#include "program/timer_alarm_window_win.h"
#include "sound/sound_player_win.h"
#include "timers/timer_book.h"

namespace marvix {

class ClockBook;

class ProgramTimers final : public TickClient {
public:
    // `showTip` brings the tray's tip up to date: it names the running timers.
    ProgramTimers(Heartbeat& heartbeat, TimeSource& computer, ClockBook& clocks,
                  std::function<void()> showTip);
    ~ProgramTimers();
    ProgramTimers(const ProgramTimers&) = delete;
    ProgramTimers& operator=(const ProgramTimers&) = delete;

    // Reads what the registry keeps and joins the tick: a timer that ended while the program was
    // off rings at once, saying when it ended.
    void Start();
    const TimerBook& Book() const { return book_; }
    int64_t NowMs() const;

    // A new timer, started now; its number.
    int StartNew(TimerPlan plan, TimerLook look);
    // Start, pause or resume, as one key does.
    void StartOrPause(int number);
    void Restart(int number);
    void AddMinute(int number);
    void Remove(int number);
    // The last timer started (or the newest), if there is one.
    std::optional<int> Last() const;
    // The universal instant of a moment typed in clock `clock`'s own time ("17:30", "2027-01-01
    // 00:00"), if it names one later than now there.
    std::optional<int64_t> MomentOn(int clock, std::string_view typed);

    void StopwatchStartOrPause();
    void StopwatchLap();
    void StopwatchReset();
    // The stopwatch shown on clock `clock`, or on none.
    void StopwatchOnClock(bool shown, int clock);

    // Where the timers ring; tests put a recorder in its place.
    void UsePlayer(SoundPlayer& player) { player_ = &player; }
    // The window a timer rings in, while it has one.
    TimerAlarmWindow* RingingWindow(int number);
    // The clocks, or their faces, changed: each shows its timer anew.
    void ShowOnClocks();

    // TickClient
    const TickSchedule& Schedule() const override { return schedule_; }
    void Serve() override;
    // Every second while a timer or the stopwatch runs, the tip follows its time.
    void RunChores(const Chores& due) override;

private:
    // The timer changed: kept, shown, and the next wake planned.
    void Changed(int number);
    void StopwatchChanged();
    void Ring(const Timer& timer, bool late);
    void Answered(int number, TimerAnswer answer);
    void PlanNextWake();
    // The clock numbered `number`, or the first when it is gone.
    ClockHost& ClockNumbered(int number) const;

    Heartbeat& heartbeat_;
    TimeSource& computer_;
    ClockBook& clocks_;
    std::function<void()> showTip_;
    TickSchedule schedule_{heartbeat_};
    TimerBook book_;
    std::vector<TimerNews> news_;
    std::optional<int> last_;
    TPlayFile ownPlayer_;
    SoundPlayer* player_ = &ownPlayer_;
    std::map<int, std::unique_ptr<TimerAlarmWindow>> ringing_;
    bool joined_ = false;
};

}  // namespace marvix
