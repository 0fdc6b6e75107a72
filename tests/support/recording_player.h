#pragma once

// A sound player that plays nothing and keeps every request, for tests of what sounds when.

#include <string>
#include <vector>

#include "sound/sound_triggers.h"

namespace marvix {

class RecordingPlayer final : public SoundPlayer {
public:
    std::vector<SoundRequest> played;
    std::vector<std::string> rung;  // each ring's file
    int silenced = 0;
    void Play(const SoundRequest& request) override { played.push_back(request); }
    void Ring(const std::string& file) override { rung.push_back(file); }
    void Silence() override { ++silenced; }
};

}  // namespace marvix
