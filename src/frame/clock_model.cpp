#include "frame/clock_model.h"

#include <utility>

#include "frame/tick_plan.h"

namespace marvix {

ClockSettings& ClockModel::Edit() {
    if (observer_) observer_->SettingsEdited();
    return settings_;
}

void ClockModel::Replace(ClockSettings settings) {
    Edit() = std::move(settings);
    ClearSoundLatches(sounds_);
}

void ClockModel::LayOutFace(Size face, Size display) {
    const FaceLayout layout = marvix::LayOutFace(settings_, face, display);
    if (layout == live_.layout) return;
    live_.layout = layout;
    if (observer_) observer_->SettingsEdited();
}

void ClockModel::Sound(const LocalTime& time, SoundPlayer& player) {
    RunSoundTriggers(settings_, sounds_, time, player);
}

void ClockModel::AnswerAlarm(std::optional<int> snoozeMinutes, const LocalTime& time,
                             SoundPlayer& player) {
    AlarmBell& bell = sounds_.bell;
    SoundTheBell(snoozeMinutes ? bell.Snooze(*snoozeMinutes, time) : bell.Dismiss(), settings_,
                 bell, player);
}

std::optional<ChangedArea> ClockModel::Compose(FrameSurfaces& f, const ClockInstant& now) {
    now_ = now;
    LayOutFace(f.face.GetSize(), f.display.GetSize());
    return frameCache_.Compose(settings_, live_, f, now_);
}

int ClockModel::StepsToNextTick(FrameSurfaces& f, int stepMs) {
    return marvix::StepsToNextTick(settings_, live_, sounds_, frameCache_, f, now_, stepMs);
}

bool ClockModel::StepSecond() {
    OneSecondStep(settings_, sounds_);
    return sounds_.tickDue || sounds_.tockDue;
}

}  // namespace marvix
