#pragma once

// A whole frame of recording surfaces, sharing one log, and a clock that says what it is told:
// what tests of the composition need.

#include <array>
#include <string>
#include <vector>

#include "app/frame.h"
#include "recording_surface.h"

namespace marvix {

class FixedClock final : public TimeSource {
public:
    LocalTime time{2026, 12, 7, 2, 10, 15, 30, 0};
    int32_t bias = 0;
    LocalTime Now() override { return time; }
    int32_t UtcBiasMinutes() override { return bias; }
};

struct RecordingFrame {
    std::vector<std::string> log;
    RecordingSurface display{"display", {200, 200}, &log};
    RecordingSurface face{"face", {200, 200}, &log};
    RecordingSurface moon{"moon", {49, 49}, &log};
    RecordingSurface dayNight{"dayNight", {49, 49}, &log};
    std::vector<RecordingSurface> digits;

    RecordingFrame() {
        for (int i = 0; i < 12; ++i) digits.emplace_back("digit" + std::to_string(i), Size{17, 9}, &log);
    }
    FrameSurfaces Surfaces() {
        std::array<Surface*, 12> d{};
        for (int i = 0; i < 12; ++i) d[i] = &digits[i];
        return FrameSurfaces{display, face, d, moon, dayNight};
    }
};

}  // namespace marvix
