#pragma once

// The program's wake timer as tests see it: every wake asked for and let go, what is kept on,
// and Wine's answer (the resume flag ignored).

#include <utility>
#include <vector>

#include "program/program_wake_win.h"

namespace marvix {

class RecordingWakeTimer final : public WakeTimerApi {
public:
    WakeFacts SetFor(int64_t dueMs) override {
        set.push_back(dueMs);
        return {.setTimerError = 722};
    }
    void Cancel() override { ++cancelled; }
    void KeepOn(bool system, bool display) override { kept = {system, display}; }
    std::vector<int64_t> set;
    int cancelled = 0;
    std::pair<bool, bool> kept{};
};

}  // namespace marvix
