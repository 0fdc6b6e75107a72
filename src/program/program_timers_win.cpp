#include "program/program_timers_win.h"

#include <windows.h>

#include <algorithm>

#include "base/message_seam_win.h"
#include "clock/resource.h"
#include "program/clocks_window_win.h"
#include "settings/clock_keys_win.h"
#include "settings/registry_store_win.h"
#include "timers/typed_plan.h"

namespace marvix {

namespace {

std::string TimerKey(int number) {
    return std::string(kTimersKeyPath) + "\\" + std::to_string(number);
}

bool KeyOpens(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A wake comes at least this often, so that an end is checked against the computer's clock even
// if the tick's own clock and it drift apart.
constexpr int64_t kLongestSleepMs = 60'000;

}  // namespace

ProgramTimers::ProgramTimers(Heartbeat& heartbeat, TimeSource& computer, ClockBook& clocks,
                             std::function<void()> showTip)
    : heartbeat_(heartbeat),
      computer_(computer),
      clocks_(clocks),
      showTip_(std::move(showTip)),
      ownPlayer_(&PlaySoundWhenLoaded, MAKEINTRESOURCEA(IDR_ALARM_SOUND)) {
    schedule_.UseStep(true);
}

ProgramTimers::~ProgramTimers() {
    if (joined_) heartbeat_.Leave(*this);
}

int64_t ProgramTimers::NowMs() const {
    return UniversalMilliseconds(InstantAt(computer_.Now(), computer_.UtcBiasMinutes()));
}

void ProgramTimers::Start() {
    for (int number : NumberedSubkeys(kTimersKeyPath)) {
        const std::string key = TimerKey(number);
        // A subkey that cannot be read is passed over, and left as it is.
        if (!KeyOpens(key)) continue;
        Win32Registry values(key);
        book_.Keep(number, ReadTimer(values));
    }
    Win32Registry stopwatch(kStopwatchKeyPath);
    book_.Watch() = ReadStopwatch(stopwatch);
    heartbeat_.Join(*this);
    joined_ = true;
    schedule_.Start();
    // Rung before the program stopped and never answered: it rings again, once.
    for (const Timer& timer : book_.All())
        if (timer.countdown.State() == TimerState::Ringing) Ring(timer, true);
    ShowOnClocks();
    Serve();
}

void ProgramTimers::Serve() {
    const int64_t now = NowMs();
    book_.Advance(now, news_);
    for (const TimerNews& news : news_) {
        const Timer* timer = book_.Find(news.number);
        if (!timer) continue;
        switch (news.event) {
            case TimerEvent::Warning:
            case TimerEvent::NextStep: MessageBeep(MB_ICONASTERISK); break;
            case TimerEvent::RoundEnded: Ring(*timer, false); break;
            // Ended more than a few seconds ago: while the program was off or the computer slept.
            case TimerEvent::Ended: Ring(*timer, now - timer->countdown.Run().endsMs > 5000); break;
            case TimerEvent::None: break;
        }
        Changed(news.number);
    }
    if (news_.empty()) PlanNextWake();
}

void ProgramTimers::RunChores(const Chores& due) {
    if (!due.secondToo || !joined_) return;
    const bool running = book_.Watch().running ||
                         std::any_of(book_.All().begin(), book_.All().end(), [](const Timer& t) {
                             return t.countdown.State() == TimerState::Running;
                         });
    if (running) showTip_();
}

void ProgramTimers::PlanNextWake() {
    const std::optional<int64_t> due = book_.NextDueMs();
    const int64_t wait =
        std::clamp<int64_t>(due ? *due - NowMs() : kLongestSleepMs, 0, kLongestSleepMs);
    schedule_.SleepSteps(int((wait + schedule_.Step() - 1) / schedule_.Step()));
}

ClockHost& ProgramTimers::ClockNumbered(int number) const {
    const std::vector<ClockHost*> live = clocks_.LiveClocks();
    for (ClockHost* clock : live)
        if (clock->Keys().number == number) return *clock;
    return *live.front();
}

std::optional<int64_t> ProgramTimers::MomentOn(int clock, std::string_view typed) {
    if (clocks_.LiveClocks().empty()) return std::nullopt;
    ClockTime& time = ClockNumbered(clock).Time();
    const std::optional<LocalTime> local = ParseMoment(typed, time.Now());
    if (!local) return std::nullopt;
    const int64_t universal = time.UniversalOf(*local);
    if (universal <= NowMs()) return std::nullopt;
    return universal;
}

void ProgramTimers::Ring(const Timer& timer, bool late) {
    // Ending, with no clock left to ring beside: it is kept as ringing, and rings at the next start.
    if (clocks_.LiveClocks().empty()) return;
    const int number = timer.number;
    ClockHost& clock = ClockNumbered(timer.look.clock);
    std::unique_ptr<TimerAlarmWindow>& window = ringing_[number];
    if (!window) {
        window = std::make_unique<TimerAlarmWindow>(
            clock, [this, number](TimerAnswer answer) { Answered(number, answer); });
    }
    const std::string label = timer.countdown.Label().empty() ? "Timer" : timer.countdown.Label();
    std::string note = "Timer";
    if (const std::string round = timer.countdown.RoundText(); !round.empty()) note += ", " + round;
    if (late) {
        // When it ended, in the clock's own time.
        TimeSource& time = clock.Clock().ClockTime();
        const LocalTime local = time.Now();
        const int64_t nowMs = UniversalMilliseconds(InstantAt(local, time.UtcBiasMinutes()));
        const LocalTime ended = AddMilliseconds(local, timer.countdown.Run().endsMs - nowMs);
        note = EndedAtText(label, ended.hour, ended.minute);
    }
    window->Ring(label, note);
    player_->Ring(timer.look.sound);
}

TimerAlarmWindow* ProgramTimers::RingingWindow(int number) {
    const auto found = ringing_.find(number);
    return found != ringing_.end() && found->second->IsVisible() ? found->second.get() : nullptr;
}

void ProgramTimers::Answered(int number, TimerAnswer answer) {
    if (Timer* timer = book_.Find(number)) {
        const int64_t now = NowMs();
        switch (answer) {
            case TimerAnswer::Stop:
                // A timer that runs on (a round ended) is only heard; Stop ends it all the same.
                timer->countdown.Stop();
                break;
            case TimerAnswer::Restart: timer->countdown.Start(now); break;
            case TimerAnswer::AddMinute: timer->countdown.AddMinute(now); break;
        }
        Changed(number);
    }
    const bool stillRinging = std::any_of(ringing_.begin(), ringing_.end(), [](const auto& window) {
        return window.second->IsVisible();
    });
    if (!stillRinging) player_->Silence();
}

int ProgramTimers::StartNew(TimerPlan plan, TimerLook look) {
    Timer& timer = book_.Add(std::move(plan), std::move(look));
    timer.countdown.Start(NowMs());
    last_ = timer.number;
    Changed(timer.number);
    return timer.number;
}

void ProgramTimers::StartOrPause(int number) {
    Timer* timer = book_.Find(number);
    if (!timer) return;
    const int64_t now = NowMs();
    switch (timer->countdown.State()) {
        case TimerState::Ready: timer->countdown.Start(now); break;
        case TimerState::Running: timer->countdown.Pause(now); break;
        case TimerState::Paused: timer->countdown.Resume(now); break;
        case TimerState::Ringing: return;
    }
    last_ = number;
    Changed(number);
}

void ProgramTimers::Restart(int number) {
    if (Timer* timer = book_.Find(number)) {
        timer->countdown.Start(NowMs());
        last_ = number;
        Changed(number);
    }
}

void ProgramTimers::AddMinute(int number) {
    if (Timer* timer = book_.Find(number)) {
        timer->countdown.AddMinute(NowMs());
        Changed(number);
    }
}

void ProgramTimers::Remove(int number) {
    if (!book_.Remove(number)) return;
    if (const auto window = ringing_.find(number); window != ringing_.end()) {
        window->second->Hide();
        ringing_.erase(window);
    }
    if (last_ == number) last_.reset();
    Changed(number);
}

std::optional<int> ProgramTimers::Last() const {
    if (last_) return last_;
    if (book_.All().empty()) return std::nullopt;
    return book_.All().back().number;
}

void ProgramTimers::StopwatchStartOrPause() {
    book_.Watch().StartOrPause(NowMs());
    StopwatchChanged();
}

void ProgramTimers::StopwatchLap() {
    book_.Watch().Lap(NowMs());
    StopwatchChanged();
}

void ProgramTimers::StopwatchReset() {
    book_.Watch().Reset();
    StopwatchChanged();
}

void ProgramTimers::StopwatchOnClock(bool shown, int clock) {
    book_.Watch().onClock = shown;
    book_.Watch().clock = clock;
    StopwatchChanged();
}

void ProgramTimers::StopwatchChanged() {
    Win32Registry values(kStopwatchKeyPath);
    const std::string error = WriteStopwatch(book_.Watch(), values);
    if (!error.empty()) ShowMessage(error, MessageStyle::Error);
    ShowOnClocks();
    showTip_();
}

void ProgramTimers::Changed(int number) {
    if (const Timer* timer = book_.Find(number)) {
        Win32Registry values(TimerKey(number));
        const std::string error = WriteTimer(timer->Kept(), values);
        if (!error.empty()) ShowMessage(error, MessageStyle::Error);
    } else {
        RegDeleteTreeA(HKEY_CURRENT_USER, TimerKey(number).c_str());
    }
    ShowOnClocks();
    PlanNextWake();
    showTip_();
}

void ProgramTimers::ShowOnClocks() {
    const std::vector<ClockHost*> live = clocks_.LiveClocks();
    std::vector<int> numbers;
    for (const ClockHost* clock : live) numbers.push_back(clock->Keys().number);
    const int64_t now = NowMs();
    for (ClockHost* clock : live) {
        LiveState& shown = clock->Model().Live();
        TimerOnFace timer = book_.OnClock(clock->Keys().number, numbers, now);
        StopwatchOnFace stopwatch = book_.StopwatchOnClock(clock->Keys().number, numbers);
        if (shown.timer == timer && shown.stopwatch == stopwatch) continue;
        shown.timer = std::move(timer);
        shown.stopwatch = stopwatch;
        clock->Clock().Face().Redraw();
    }
}

}  // namespace marvix
