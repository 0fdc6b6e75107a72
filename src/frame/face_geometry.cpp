#include "frame/face_geometry.h"

#include <algorithm>
#include <array>

namespace marvix {

namespace {

struct HandLength {
    GeometrySetting ClockSettings::*length;
    int divisor;
    int extra;
};

// Automatic length of each hand: the face's smaller side / divisor + extra.
constexpr std::array<HandLength, 8> kHandLengths = {{
    {&ClockSettings::AHS, 5, 0},
    {&ClockSettings::AMS, 3, 0},
    {&ClockSettings::ASS, 3, 12},
    {&ClockSettings::ADtS, 6, 0},
    {&ClockSettings::ADyS, 6, 0},
    {&ClockSettings::AMnS, 6, 0},
    {&ClockSettings::AInternet1, 3, 0},
    {&ClockSettings::AInternet2, 3, 12},
}};

}  // namespace

HandGeometry EffectiveHandGeometry(const ClockSettings& s, Size face) {
    HandGeometry g;
    const bool requestedCentreFits =
        s.ACX.requested <= face.width && s.ACY.requested <= face.height;
    g.centre = !s.CHands && requestedCentreFits ? Point{s.ACX.requested, s.ACY.requested}
                                                : Point{face.width / 2, face.height / 2};

    // Requested lengths count only all together: one that does not fit the face sends all eight
    // back to the automatic lengths.
    const int smallerSide = std::min(face.width, face.height);
    const bool requestedLengthsFit =
        std::all_of(kHandLengths.begin(), kHandLengths.end(),
                    [&](const HandLength& h) { return (s.*h.length).requested <= smallerSide; });
    for (size_t i = 0; i < kHandLengths.size(); ++i) {
        const HandLength& h = kHandLengths[i];
        g.lengths[i] = !s.AutoHand && requestedLengthsFit ? (s.*h.length).requested
                                                          : smallerSide / h.divisor + h.extra;
    }
    return g;
}

bool StoreHandGeometry(ClockSettings& s, const HandGeometry& g) {
    bool changed = false;
    auto store = [&](GeometrySetting& setting, int32_t value) {
        changed = changed || setting.effective != value;
        setting.effective = value;
    };
    store(s.ACX, g.centre.x);
    store(s.ACY, g.centre.y);
    for (size_t i = 0; i < kHandLengths.size(); ++i) store(s.*kHandLengths[i].length, g.lengths[i]);
    return changed;
}

}  // namespace marvix
