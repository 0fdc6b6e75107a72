#pragma once

// A whole frame of recording surfaces sharing one log: what tests of the composition need.

#include <array>
#include <string>
#include <vector>

#include "fixed_clock.h"
#include "frame/frame.h"
#include "recording_surface.h"

namespace marvix {

struct RecordingFrame {
    std::vector<std::string> log;
    RecordingSurface display{"display", {200, 200}, &log};
    RecordingSurface face{"face", {200, 200}, &log};
    RecordingSurface moon{"moon", {49, 49}, &log};
    RecordingSurface dayNight{"dayNight", {49, 49}, &log};
    std::vector<RecordingSurface> digits;

    RecordingFrame() {
        for (int i = 0; i < 12; ++i)
            digits.emplace_back("digit" + std::to_string(i), Size{17, 9}, &log);
    }
    FrameSurfaces Surfaces() {
        std::array<Surface*, 12> d{};
        for (int i = 0; i < 12; ++i) d[i] = &digits[i];
        return FrameSurfaces{display, face, d, moon, dayNight};
    }
};

}  // namespace marvix
