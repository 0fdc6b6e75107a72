#pragma once

// A sound player that plays nothing and keeps every request, for tests of what sounds when.

#include <vector>

#include "sound/sound_triggers.h"

namespace marvix {

class RecordingPlayer final : public SoundPlayer {
public:
    std::vector<SoundRequest> played;
    void Play(const SoundRequest& request) override { played.push_back(request); }
};

}  // namespace marvix
