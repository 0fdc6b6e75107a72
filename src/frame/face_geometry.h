#pragma once

// The face geometry rule: the clock centre and the hand lengths the drawing uses, derived from
// the requested ones and the size of the face.

#include <array>
#include <cstdint>

#include "base/geometry.h"
#include "settings/clock_settings.h"

namespace marvix {

// The centre and the eight hand lengths that drawing uses on a face of this size.
struct HandGeometry {
    Point centre;
    std::array<int32_t, 8> lengths{};  // hour, minute, second, date, day, month, Internet 1 and 2
};
HandGeometry EffectiveHandGeometry(const ClockSettings& settings, Size face);

// The geometry written back as the effective values of ACX, ACY and the hand lengths, where the
// hands, the settings windows and the registry find them. Returns whether any changed.
bool StoreHandGeometry(ClockSettings& settings, const HandGeometry& geometry);

}  // namespace marvix
