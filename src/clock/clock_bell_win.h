#pragma once

// The clock's sounds: where they are played (a worker thread per request, unless a test puts a
// recorder in its place), and the alarm that rings until answered, which the alarm window and the
// clock in words follow.

#include <optional>

#include "base/local_time.h"
#include "clock/clock_in_words_win.h"
#include "clock/clock_owner_win.h"
#include "clock/resource.h"
#include "frame/clock_model.h"
#include "frame/tick_schedule.h"
#include "sound/sound_player_win.h"
#include "windows/clock_parts.h"

namespace marvix {

class ClockBell final : public ClockSounds {
public:
    ClockBell(ClockOwner& owner, ClockModel& model, TimeSource& clock, TickSchedule& schedule,
              ClockInWords& words)
        : owner_(owner), model_(model), clock_(clock), schedule_(schedule), words_(words) {}
    ClockBell(const ClockBell&) = delete;
    ClockBell& operator=(const ClockBell&) = delete;

    SoundPlayer& Player() { return *player_; }
    void UsePlayer(SoundPlayer& player) { player_ = &player; }
    // The alarm window and the clock in words follow the bell, when it has changed.
    void Show();

    // ClockSounds
    void Play(const SoundRequest& request) override { player_->Play(request); }
    void AnswerAlarm(std::optional<int> snoozeMinutes) override;

private:
    ClockOwner& owner_;
    ClockModel& model_;
    TimeSource& clock_;
    TickSchedule& schedule_;
    ClockInWords& words_;
    TPlayFile ownPlayer_{&PlaySoundWhenLoaded, MAKEINTRESOURCEA(IDR_ALARM_SOUND)};
    SoundPlayer* player_ = &ownPlayer_;
    // What the alarm window last showed of the bell.
    struct Shown {
        AlarmBell::State state = AlarmBell::State::Quiet;
        size_t alarm = 0;
        LocalTime due;
        friend bool operator==(const Shown&, const Shown&) = default;
    } shown_;
};

}  // namespace marvix
