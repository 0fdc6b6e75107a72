#pragma once

// The user's own timer presets: a timer's lengths and look kept under a numbered subkey each, in
// the order they were kept, read at start and written at once, as the timers are. A moment is
// no preset: it passes.

#include <string>
#include <vector>

#include "timers/kept_timers.h"

namespace marvix {

struct TimerPreset {
    int number = 0;  // its subkey's
    TimerPlan plan;
    TimerLook look;
};

class TimerPresets {
public:
    void Load();
    const std::vector<TimerPreset>& All() const { return presets_; }
    // Kept in place of the preset with the same label, or after the others; the error, if any.
    std::string Keep(const TimerPlan& plan, const TimerLook& look);
    void Forget(size_t index);

private:
    std::vector<TimerPreset> presets_;
};

// What the presets' list shows of one: "Tea 4:00", "Pomodoro Work 25:00, Break 5:00".
std::string PresetText(const TimerPreset& preset);

}  // namespace marvix
