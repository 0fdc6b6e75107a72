#include "clock/clock_bell_win.h"

#include "base/system_time_win.h"
#include "frame/clock_reading.h"

namespace marvix {

void ClockBell::Show() {
    const AlarmBell& bell = model_.Sounds().bell;
    const Shown now{bell.GetState(), bell.Alarm(), bell.Due()};
    if (now == shown_) return;
    shown_ = now;
    if (now.state == AlarmBell::State::Ringing || now.state == AlarmBell::State::Unanswered) {
        owner_.ShowAlarm(NoticeOf(model_.Settings(), bell), now.state == AlarmBell::State::Ringing);
    } else {
        owner_.HideAlarm();
    }
    words_.Read(true);
}

void ClockBell::AnswerAlarm(std::optional<int> snoozeMinutes) {
    model_.AnswerAlarm(snoozeMinutes, SampleInstant(clock_).time, *player_);
    Show();
    schedule_.TickSoon();
}

}  // namespace marvix
