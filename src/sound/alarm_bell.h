#pragma once

// An alarm that rings until it is answered. The bell rings from the alarm's minute until the user
// snoozes or dismisses it, for ten minutes at most, after which it stops and says it was not
// answered. A snoozed alarm rings again when its snooze is over, unless it was switched off
// meanwhile. The bell decides; the tick starts and stops the sound it asks for, and the alarm
// window shows its state.
//
// An alarm that rings until answered is not lost to a span the clock did not see (the computer
// slept, the clock was set forward): its minute, within the last hour, rings once at once, and
// the bell says when it was due.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/local_time.h"
#include "settings/clock_settings.h"

namespace marvix {

class AlarmBell {
public:
    enum class State { Quiet, Ringing, Snoozed, Unanswered };
    // What the sound is to do after a step of the bell.
    enum class Sound { Keep, Start, Stop };

    static constexpr int64_t kRingsForMs = 10 * 60'000;
    // A tick this long after the one before has missed a minute.
    static constexpr int64_t kMissedMinuteMs = 60'000;
    // How far back a missed alarm is still rung.
    static constexpr int64_t kMissedWithinMs = 60 * 60'000;

    State GetState() const { return state_; }
    // The alarm (0 to 4) the bell rings or last rang for, the minute it was due, and whether it
    // rang late, after a span the clock did not see.
    size_t Alarm() const { return alarm_; }
    const LocalTime& Due() const { return due_; }
    bool Late() const { return late_; }
    // When a snoozed alarm rings again.
    const LocalTime& SnoozedUntil() const { return snoozedUntil_; }

    // The alarm falls due: the bell rings for it from `now`, whatever it did before.
    Sound Ring(size_t alarm, const LocalTime& due, const LocalTime& now, bool late);
    Sound Snooze(int minutes, const LocalTime& now);
    Sound Dismiss();
    // Every tick: ringing ends unanswered after kRingsForMs; a snooze that is over rings again,
    // unless the alarm was switched off; an alarm switched off while ringing is answered.
    Sound Step(const ClockSettings& settings, const LocalTime& now);

private:
    State state_ = State::Quiet;
    size_t alarm_ = 0;
    LocalTime due_;
    bool late_ = false;
    LocalTime snoozedUntil_;
    int64_t until_ = 0;  // when the ringing or the snooze ends, in MillisecondsSince1970
};

// The alarm that rings until answered whose minute the clock missed between the tick at
// `previous` and the one at `now`: after previous's minute, before now's, within the last hour
// (or `withinMs`, at most a day), on a ticked day. The latest of them when there are several;
// none when the ticks are less than a minute and a bit apart, or now is not after previous.
struct MissedAlarm {
    size_t alarm;
    LocalTime due;
    friend bool operator==(const MissedAlarm&, const MissedAlarm&) = default;
};
std::optional<MissedAlarm> MissedAlarmBetween(const ClockSettings& settings,
                                              const LocalTime& previous, const LocalTime& now,
                                              int64_t withinMs = AlarmBell::kMissedWithinMs);

}  // namespace marvix
