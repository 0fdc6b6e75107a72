#pragma once

// The face geometry rule: the clock centre and the hand lengths the drawing uses, derived from
// the requested ones and the size of the face. Derived, never stored while the clock runs: the
// clock works them out for its face and keeps them beside its settings.

#include <array>
#include <cstdint>

#include "base/geometry.h"
#include "settings/clock_settings.h"

namespace marvix {

// The centre and the eight hand lengths that drawing uses on a face of this size.
struct HandGeometry {
    Point centre;
    std::array<int32_t, 8> lengths{};  // in the hands' order: hour, minute, ... Internet 2
    friend bool operator==(const HandGeometry&, const HandGeometry&) = default;
};
HandGeometry EffectiveHandGeometry(const ClockSettings& settings, Size face);

}  // namespace marvix
