#pragma once

// The clock apart from its window: the settings, what the clock keeps beside them while it runs
// (the live state with the face's derived layout), what the sound rules keep from tick to tick,
// and the frame cache with the tick plan. The shell samples the time, holds the window and shows
// the pixels; every rule of a tick runs here.
//
// The settings change in one way only, Edit, which tells the observer: the shell notes the change
// for the settled save and brings the tick to its next step, so an edit reaches the screen whether
// or not any input came with it.

#include <optional>

#include "base/frame_surfaces.h"
#include "base/local_time.h"
#include "frame/face_layout.h"
#include "frame/frame_cache.h"
#include "frame/live_state.h"
#include "settings/clock_settings.h"
#include "sound/sound_triggers.h"

namespace marvix {

class ClockModel {
public:
    class Observer {
    public:
        // The settings were, or are about to be, changed: a save to note and a frame to compose.
        virtual void SettingsEdited() = 0;

    protected:
        ~Observer() = default;
    };

    ClockModel() = default;
    ClockModel(const ClockModel&) = delete;
    ClockModel& operator=(const ClockModel&) = delete;

    void Observe(Observer& observer) { observer_ = &observer; }

    const ClockSettings& Settings() const { return settings_; }
    // The settings to change. A reader takes Settings() instead: every edit is a change to save.
    ClockSettings& Edit();
    // A configuration loaded: a new setup, so what sounded this minute under the old one does not
    // hold it back.
    void Replace(ClockSettings settings);

    LiveState& Live() { return live_; }
    const LiveState& Live() const { return live_; }
    const FaceLayout& Layout() const { return live_.layout; }
    const SoundLatches& Sounds() const { return sounds_; }
    // The instant the last frame was composed for.
    const ClockInstant& Instant() const { return now_; }

    // The face laid out anew on pictures of these sizes. A layout that moved is an edit: the
    // registry's values move with it.
    void LayOutFace(Size face, Size display);
    // The tick's sound pass at `time`.
    void Sound(const LocalTime& time, SoundPlayer& player);
    // The alarm ringing until answered, answered at `time`: snoozed for that many minutes, or
    // dismissed.
    void AnswerAlarm(std::optional<int> snoozeMinutes, const LocalTime& time, SoundPlayer& player);
    // The clock shown again after a pause (hidden by a double-click): what fell due meanwhile is
    // not made up.
    void ResumeAfterPause() { sounds_.lastTick.reset(); }
    // The computer goes to sleep, or woke: an alarm that falls due while it sleeps rings when it
    // wakes, saying when it was due, however long it slept.
    void Sleeping() { sounds_.sleeping = true; }
    // The frame at `now`, laid out and composed where it changed (see FrameCache); returns the
    // part of the display picture that may have changed.
    std::optional<ChangedArea> Compose(FrameSurfaces& surfaces, const ClockInstant& now);
    // How many steps of `stepMs` after the last frame the next tick is due (see StepsToNextTick).
    int StepsToNextTick(FrameSurfaces& surfaces, int stepMs);
    // The one-second step; returns whether a tick or tock fell due.
    bool StepSecond();
    void BlinkColons() { live_.displays.colonsShown = !live_.displays.colonsShown; }

    // The record as written to the registry or a file, with the face's layout folded in.
    ClockSettings Written(WrittenTo target) const {
        return Folded(settings_, live_.layout, target);
    }

private:
    ClockSettings settings_ = DefaultSettings();
    LiveState live_;
    SoundLatches sounds_;
    FrameCache frameCache_;
    ClockInstant now_;
    Observer* observer_ = nullptr;
};

}  // namespace marvix
