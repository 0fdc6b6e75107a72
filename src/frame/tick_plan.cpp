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

// The stopwatch stopped at its time at an instant, and put back as it was when this ends.
class HeldStopwatch {
public:
    HeldStopwatch(StopwatchOnFace& stopwatch, const ClockInstant& at)
        : stopwatch_(stopwatch), was_(stopwatch) {
        stopwatch_.runMs = stopwatch_.ElapsedAt(at);
        stopwatch_.running = false;
    }
    HeldStopwatch(const HeldStopwatch&) = delete;
    HeldStopwatch& operator=(const HeldStopwatch&) = delete;
    ~HeldStopwatch() { stopwatch_ = was_; }

private:
    StopwatchOnFace& stopwatch_;
    const StopwatchOnFace was_;
};

// The longest the stopwatch's tenths wait for the hands' next frame. A smooth second hand's frames
// come every 50 to 150 ms, as its tip crosses pixels: a tenth's own wait would wake the clock
// between them half the time.
constexpr int kTenthsWaitMs = 150;

}  // namespace

int StepsToNextTick(const ClockSettings& s, LiveState& live, const SoundLatches& sounds,
                    FrameCache& cache, FrameSurfaces& f, const ClockInstant& now, int stepMs) {
    const bool tenths = s.Smooth && live.stopwatch.shown && live.stopwatch.running;
    const int most = std::max(1, (tenths ? kTenthsWaitMs : kMostTickAheadMs) / std::max(1, stepMs));
    if (most == 1) return 1;
    const HeldStopwatch held(live.stopwatch, now);
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
