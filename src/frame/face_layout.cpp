#include "frame/face_layout.h"

#include <optional>
#include <variant>

namespace marvix {

namespace {

// The layout's value a setting stands for, if it stands for one.
std::optional<int32_t> DerivedValue(const FaceLayout& layout, const SettingField& field) {
    if (field == SettingField{&ClockSettings::ACX}) return layout.hands.centre.x;
    if (field == SettingField{&ClockSettings::ACY}) return layout.hands.centre.y;
    for (size_t i = 0; i < kHandCount; ++i) {
        if (field == SettingField{kHands[i].length}) return layout.hands.lengths[i];
    }
    for (size_t i = 0; i < kAutoPlacedDisplays; ++i) {
        if (field == SettingField{kDisplays[i].x}) return layout.displays[i].x;
        if (field == SettingField{kDisplays[i].y}) return layout.displays[i].y;
    }
    return std::nullopt;
}

}  // namespace

FaceLayout LayOutFace(const ClockSettings& s, Size face, Size display) {
    return {EffectiveHandGeometry(s, face), PlacedDisplays(s, display)};
}

int32_t ShownInteger(const ClockSettings& s, const FaceLayout& layout, const SettingDef& def) {
    return DerivedValue(layout, def.field).value_or(StoredInteger(s, def));
}

int32_t StoredInteger(const ClockSettings& s, const SettingDef& def) {
    if (const auto* geometry = std::get_if<GeometrySetting ClockSettings::*>(&def.field))
        return (s.**geometry).requested;
    if (const auto* integer = std::get_if<int32_t ClockSettings::*>(&def.field)) return s.**integer;
    if (const auto* box = std::get_if<bool ClockSettings::*>(&def.field)) return s.**box ? 1 : 0;
    return 0;
}

ClockSettings Folded(const ClockSettings& s, const FaceLayout& layout, WrittenTo target) {
    ClockSettings folded = s;
    if (target == WrittenTo::Registry) {
        folded.ACX.requested = layout.hands.centre.x;
        folded.ACY.requested = layout.hands.centre.y;
        for (size_t i = 0; i < kHandCount; ++i)
            (folded.*kHands[i].length).requested = layout.hands.lengths[i];
    }
    for (size_t i = 0; i < kAutoPlacedDisplays; ++i) {
        folded.*kDisplays[i].x = layout.displays[i].x;
        folded.*kDisplays[i].y = layout.displays[i].y;
    }
    return folded;
}

}  // namespace marvix
