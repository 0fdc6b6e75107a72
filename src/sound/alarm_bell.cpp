#include "sound/alarm_bell.h"

#include <algorithm>

#include "sound/sound_triggers.h"

namespace marvix {

AlarmBell::Sound AlarmBell::Ring(size_t alarm, const LocalTime& due, const LocalTime& now,
                                 bool late) {
    state_ = State::Ringing;
    alarm_ = alarm;
    due_ = due;
    late_ = late;
    until_ = MillisecondsSince1970(now) + kRingsForMs;
    return Sound::Start;
}

AlarmBell::Sound AlarmBell::Snooze(int minutes, const LocalTime& now) {
    if (state_ == State::Quiet) return Sound::Keep;
    const bool ringing = state_ == State::Ringing;
    state_ = State::Snoozed;
    snoozedUntil_ = AddMilliseconds(now, int64_t{minutes} * 60'000);
    until_ = MillisecondsSince1970(snoozedUntil_);
    return ringing ? Sound::Stop : Sound::Keep;
}

AlarmBell::Sound AlarmBell::Dismiss() {
    const bool ringing = state_ == State::Ringing;
    state_ = State::Quiet;
    return ringing ? Sound::Stop : Sound::Keep;
}

AlarmBell::Sound AlarmBell::Step(const ClockSettings& s, const LocalTime& now) {
    if (state_ != State::Ringing && state_ != State::Snoozed) return Sound::Keep;
    const bool ringing = state_ == State::Ringing;
    if (!(s.*kAlarms[alarm_].on)) {
        state_ = State::Quiet;
        return ringing ? Sound::Stop : Sound::Keep;
    }
    if (MillisecondsSince1970(now) < until_) return Sound::Keep;
    if (ringing) {
        state_ = State::Unanswered;
        return Sound::Stop;
    }
    state_ = State::Ringing;
    until_ = MillisecondsSince1970(now) + kRingsForMs;
    return Sound::Start;
}

std::optional<MissedAlarm> MissedAlarmBetween(const ClockSettings& s, const LocalTime& previous,
                                              const LocalTime& now, int64_t withinMs) {
    const int64_t nowMs = MillisecondsSince1970(now);
    if (nowMs - MillisecondsSince1970(previous) <= AlarmBell::kMissedMinuteMs) return std::nullopt;
    const int64_t to = MillisecondsSince1970(MinuteOf(now));  // now's own minute rings as ever
    const int64_t from =
        std::max(MillisecondsSince1970(MinuteOf(previous)) + 60'000, to - withinMs);
    std::optional<MissedAlarm> latest;
    int64_t latestMs = 0;
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!(s.*alarm.on) || !(s.*alarm.ringUntilAnswered)) continue;
        // The alarm's last minute before now's: today's, or yesterday's.
        LocalTime due = AlarmMinuteOn(s, alarm, now);
        if (MillisecondsSince1970(due) >= to) due = AddMilliseconds(due, -kMillisecondsPerDay);
        const int64_t dueMs = MillisecondsSince1970(due);
        if (dueMs < from || dueMs >= to || !RingsOnDayOf(s, alarm, due)) continue;
        if (!latest || dueMs > latestMs) {
            latest = MissedAlarm{i, due};
            latestMs = dueMs;
        }
    }
    return latest;
}

}  // namespace marvix
