#include "timers/stopwatch.h"

#include "timers/timer_length.h"

namespace marvix {

void Stopwatch::StartOrPause(int64_t nowMs) {
    if (running) {
        runMs = nowMs - startedMs;
    } else {
        startedMs = nowMs - runMs;
        runMs = 0;
    }
    running = !running;
}

void Stopwatch::Lap(int64_t nowMs) {
    if (running) lapsMs.push_back(ElapsedMs(nowMs));
}

std::string LapsText(const Stopwatch& stopwatch) {
    std::string text;
    int64_t before = 0;
    for (size_t i = 0; i < stopwatch.lapsMs.size(); ++i) {
        const int64_t total = stopwatch.lapsMs[i];
        text += "Lap " + std::to_string(i + 1) + "\t" + TenthsText(total - before) + "\t" +
                TenthsText(total) + "\r\n";
        before = total;
    }
    return text;
}

}  // namespace marvix
