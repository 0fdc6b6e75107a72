#include "frame/tick_plan.h"

#include <algorithm>

#include "sound/sound_triggers.h"

namespace marvix {

namespace {

// Notes that a sound would start; plays nothing.
class WouldSound final : public SoundPlayer {
public:
    void Play(const SoundRequest&) override { sounded = true; }
    void Ring(const std::string&) override { sounded = true; }
    void Silence() override { sounded = true; }
    bool sounded = false;
};

}  // namespace

int StepsToNextTick(const ClockSettings& s, const LiveState& live, const SoundLatches& sounds,
                    FrameCache& cache, FrameSurfaces& f, const ClockInstant& now, int stepMs) {
    const int most = std::max(1, kMostTickAheadMs / std::max(1, stepMs));
    if (most == 1) return 1;
    SoundLatches soundsAhead = sounds;
    for (int step = 1; step < most; ++step) {
        const LocalTime at = AddMilliseconds(now.time, int64_t{step} * stepMs);
        WouldSound sound;
        RunSoundTriggers(s, soundsAhead, at, sound);
        if (sound.sounded || !cache.Unchanged(s, live, f, InstantAt(at, now.utcBias))) return step;
    }
    return most;
}

}  // namespace marvix
