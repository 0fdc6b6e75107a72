#include "hands/hand_geometry.h"

#include <algorithm>
#include <array>

#include "hands/hand_family.h"

namespace marvix {

namespace {

// Automatic length of each hand, in the hands' order: the face's smaller side / divisor + extra.
struct AutomaticLength {
    int divisor;
    int extra;
};
constexpr std::array<AutomaticLength, kHandCount> kAutomaticLengths = {{
    {.divisor = 5, .extra = 0},
    {.divisor = 3, .extra = 0},
    {.divisor = 3, .extra = 12},
    {.divisor = 6, .extra = 0},
    {.divisor = 6, .extra = 0},
    {.divisor = 6, .extra = 0},
    {.divisor = 3, .extra = 0},
    {.divisor = 3, .extra = 12},
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
        std::all_of(kHands.begin(), kHands.end(),
                    [&](const HandSpec& h) { return (s.*h.length).requested <= smallerSide; });
    for (size_t i = 0; i < kHandCount; ++i) {
        const AutomaticLength& a = kAutomaticLengths[i];
        g.lengths[i] = !s.AutoHand && requestedLengthsFit ? (s.*kHands[i].length).requested
                                                          : smallerSide / a.divisor + a.extra;
    }
    return g;
}

}  // namespace marvix
