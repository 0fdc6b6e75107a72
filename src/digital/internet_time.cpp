#include "digital/internet_time.h"

#include <cstdio>

namespace marvix {

double InternetBeats(const LocalTime& t, int32_t bias) {
    const double dayFraction =
        t.hour / 24.0 + t.minute / 1440.0 + t.second / 86400.0 + t.millisecond / 86400000.0;
    double beats = (dayFraction + (bias + 60) / 1440.0) * 1000.0;
    if (beats >= 1000.0) beats -= 1000.0;
    if (beats < 0.0) beats += 1000.0;
    return beats;
}

std::string BeatsText(double beats) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", beats);
    return text;
}

BeatsParts SplitBeats(double beats) {
    const std::string text = BeatsText(beats);
    const size_t point = text.find('.');
    return {std::stoi(text.substr(0, point)), std::stoi(text.substr(point + 1, 3))};
}

}  // namespace marvix
