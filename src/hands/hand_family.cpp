#include "hands/hand_family.h"

namespace marvix {

Dial DialOf(const ClockSettings& s, Hand hand) {
    const HandSpec& spec = kHands[static_cast<size_t>(hand)];
    if (hand == Hand::Hour && s.HourMil) return {24, 6};
    return {double(spec.units), double(spec.cornerOffset)};
}

}  // namespace marvix
