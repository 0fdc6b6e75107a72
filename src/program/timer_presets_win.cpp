#include "program/timer_presets_win.h"

#include <windows.h>

#include <algorithm>

#include "settings/clock_keys_win.h"
#include "settings/registry_store_win.h"
#include "timers/typed_plan.h"

namespace marvix {

namespace {

std::string PresetKey(int number) {
    return std::string(kTimerPresetsKeyPath) + "\\" + std::to_string(number);
}

}  // namespace

void TimerPresets::Load() {
    presets_.clear();
    for (int number : NumberedSubkeys(kTimerPresetsKeyPath)) {
        Win32Registry values(PresetKey(number));
        KeptTimer kept = ReadTimer(values);
        presets_.push_back({number, std::move(kept.plan), std::move(kept.look)});
    }
}

std::string TimerPresets::Keep(const TimerPlan& plan, const TimerLook& look) {
    auto same = std::ranges::find_if(
        presets_, [&](const TimerPreset& preset) { return preset.plan.label == plan.label; });
    if (same == presets_.end()) {
        const int number = presets_.empty() ? 1 : presets_.back().number + 1;
        same = presets_.insert(presets_.end(), {number, plan, look});
    } else {
        same->plan = plan;
        same->look = look;
    }
    Win32Registry values(PresetKey(same->number));
    return WriteTimer({same->plan, {}, same->look}, values);
}

void TimerPresets::Forget(size_t index) {
    if (index >= presets_.size()) return;
    RegDeleteTreeA(HKEY_CURRENT_USER, PresetKey(presets_[index].number).c_str());
    presets_.erase(presets_.begin() + std::ptrdiff_t(index));
}

std::string PresetText(const TimerPreset& preset) {
    const std::string label = preset.plan.label.empty() ? "Timer" : preset.plan.label;
    return label + " " + StepsText(preset.plan);
}

}  // namespace marvix
