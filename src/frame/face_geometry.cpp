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

// Automatic length of each hand: FaceMin / divisor + extra.
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

void ApplyFaceGeometry(ClockSettings& s, Size face) {
    s.FaceWidth = face.width;
    s.FaceHeight = face.height;
    s.FaceMin = std::min(face.width, face.height);

    const bool requestedCentreFits =
        s.ACX.requested <= s.FaceWidth && s.ACY.requested <= s.FaceHeight;
    if (!s.CHands && requestedCentreFits) {
        s.ACX.effective = s.ACX.requested;
        s.ACY.effective = s.ACY.requested;
    } else {
        s.ACX.effective = s.FaceWidth / 2;
        s.ACY.effective = s.FaceHeight / 2;
    }

    // Requested lengths count only all together: one that does not fit the face sends all eight
    // back to the automatic lengths.
    const bool requestedLengthsFit =
        std::all_of(kHandLengths.begin(), kHandLengths.end(),
                    [&](const HandLength& h) { return (s.*h.length).requested <= s.FaceMin; });
    for (const HandLength& h : kHandLengths) {
        GeometrySetting& length = s.*h.length;
        length.effective =
            !s.AutoHand && requestedLengthsFit ? length.requested : s.FaceMin / h.divisor + h.extra;
    }
}

}  // namespace marvix
