#include "timers/timer_book.h"

#include <algorithm>

#include "timers/timer_length.h"

namespace marvix {

Timer& TimerBook::Add(TimerPlan plan, TimerLook look) {
    int number = 1;
    for (const Timer& timer : timers_) number = std::max(number, timer.number + 1);
    return timers_.emplace_back(Timer{number, Countdown(std::move(plan)), std::move(look)});
}

void TimerBook::Keep(int number, const KeptTimer& kept) {
    Remove(number);
    timers_.push_back({number, Countdown(kept.plan, kept.run), kept.look});
    std::sort(timers_.begin(), timers_.end(),
              [](const Timer& a, const Timer& b) { return a.number < b.number; });
}

bool TimerBook::Remove(int number) {
    return std::erase_if(timers_, [&](const Timer& t) { return t.number == number; }) > 0;
}

Timer* TimerBook::Find(int number) {
    for (Timer& timer : timers_)
        if (timer.number == number) return &timer;
    return nullptr;
}

std::optional<int64_t> TimerBook::NextDueMs() const {
    std::optional<int64_t> next;
    for (const Timer& timer : timers_) {
        if (const auto due = timer.countdown.NextDueMs(); due && (!next || *due < *next))
            next = due;
    }
    return next;
}

void TimerBook::Advance(int64_t nowMs, std::vector<TimerNews>& news) {
    news.clear();
    for (Timer& timer : timers_) {
        const TimerEvent event = timer.countdown.Advance(nowMs);
        if (event != TimerEvent::None) news.push_back({timer.number, event});
    }
}

TimerOnFace TimerBook::OnClock(int clock, std::span<const int> liveClocks, int64_t nowMs) const {
    TimerOnFace shown;
    int64_t soonest = 0;
    for (const Timer& timer : timers_) {
        const TimerState state = timer.countdown.State();
        if (!timer.look.onClock || (state != TimerState::Running && state != TimerState::Paused))
            continue;
        const bool live =
            std::find(liveClocks.begin(), liveClocks.end(), timer.look.clock) != liveClocks.end();
        if ((live ? timer.look.clock : 0) != clock) continue;
        const int64_t left = timer.countdown.LeftMs(nowMs);
        if (shown.shown && left >= soonest) continue;
        soonest = left;
        const TimerRun& run = timer.countdown.Run();
        shown = {.shown = true,
                 .running = state == TimerState::Running,
                 .endsMs = run.endsMs,
                 .leftMs = run.leftMs,
                 .colour = timer.countdown.Step().colour.value_or(timer.look.colour),
                 .opacity = timer.look.opacity,
                 .label = timer.countdown.Label().empty() ? "Timer" : timer.countdown.Label()};
    }
    return shown;
}

StopwatchOnFace TimerBook::StopwatchOnClock(int clock, std::span<const int> liveClocks) const {
    const Stopwatch& watch = stopwatch_;
    const bool live =
        std::find(liveClocks.begin(), liveClocks.end(), watch.clock) != liveClocks.end();
    if (!watch.onClock || (live ? watch.clock : 0) != clock) return {};
    return {.shown = true,
            .running = watch.running,
            .startedMs = watch.startedMs,
            .runMs = watch.runMs};
}

std::optional<TimerBook::Ring> TimerBook::SoonestRing(int64_t nowMs) const {
    const Timer* soonest = nullptr;
    for (const Timer& timer : timers_) {
        if (timer.countdown.State() != TimerState::Running) continue;
        if (!soonest || timer.countdown.Run().endsMs < soonest->countdown.Run().endsMs)
            soonest = &timer;
    }
    if (!soonest) return std::nullopt;
    const int64_t left = soonest->countdown.LeftMs(nowMs);
    const int64_t whole = std::max<int64_t>(soonest->countdown.Run().stepMs, left);
    const int steps = whole <= 0 ? 0 : int((left * kRingSteps + whole - 1) / whole);
    return Ring{steps, soonest->countdown.Step().colour.value_or(soonest->look.colour)};
}

void TimerBook::AddTipLines(int64_t nowMs, size_t room, std::string& tip) const {
    const auto add = [&](std::string_view name, const std::string& time, std::string_view after) {
        if (tip.size() + 2 + name.size() + time.size() + after.size() > room) return;
        tip += '\n';
        tip += name;
        tip += ' ';
        tip += time;
        tip += after;
    };
    for (const Timer& timer : timers_) {
        const TimerState state = timer.countdown.State();
        if (state != TimerState::Running && state != TimerState::Paused) continue;
        const std::string& label = timer.countdown.Label();
        add(label.empty() ? "Timer" : std::string_view(label),
            TimeLeftText(timer.countdown.LeftMs(nowMs)),
            state == TimerState::Paused ? " paused" : " left");
    }
    if (stopwatch_.running || stopwatch_.runMs > 0)
        add("Stopwatch", TenthsText(stopwatch_.ElapsedMs(nowMs)), "");
}

}  // namespace marvix
