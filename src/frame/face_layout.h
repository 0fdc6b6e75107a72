#pragma once

// What the face makes of the settings: the effective hand geometry (from the face picture's
// size) and where the self-placing displays stand (from the display picture's). Derived, so kept
// by the clock beside its live state and worked out again whenever the settings or the face
// change; the settings record hears of it only when it is written, to the registry or to a file,
// which hold these values as the clock showed them.

#include <cstdint>

#include "digital/display_pass.h"
#include "hands/hand_family.h"
#include "hands/hand_geometry.h"
#include "settings/settings_table.h"

namespace marvix {

struct FaceLayout {
    HandGeometry hands;
    DisplayPlaces displays{};
    friend bool operator==(const FaceLayout&, const FaceLayout&) = default;
};

FaceLayout LayOutFace(const ClockSettings& settings, Size face, Size display);

// An integer setting as stored: a Geometry setting's requested value, a Boolean as 1 or 0.
int32_t StoredInteger(const ClockSettings& settings, const SettingDef& def);
// What a field shows of an integer setting: a hand length, the common centre or a self-placing
// display's place as the face has it, any other as stored.
int32_t ShownInteger(const ClockSettings& settings, const FaceLayout& layout,
                     const SettingDef& def);

// The record as it is written. The registry keeps what the clock showed: the effective hand
// geometry and the displays' places. A configuration file keeps the requested hand geometry and
// the displays' places.
enum class WrittenTo { Registry, File };
ClockSettings Folded(const ClockSettings& settings, const FaceLayout& layout, WrittenTo target);

}  // namespace marvix
