#include "dialogs/dialog_table.h"

#include <algorithm>

namespace marvix {

SpinBounds BoundsOf(const ControlRow& row, const ClockMeasures& clock) {
    const Size face = clock.face, screen = clock.screen;
    int32_t minimum = row.minimum, maximum = row.maximum;
    // Both bounds from the desktop's span [low, high), once the clock knows its monitors.
    const auto withinDesktop = [&](int low, int high) {
        if (clock.desktop.Empty()) return;
        minimum = std::max(minimum, low);
        maximum = std::min(maximum, high - 1);
    };
    switch (row.cap) {
        case Cap::None: break;
        case Cap::LargerFaceSide:
            maximum = std::min(maximum, std::max(face.width, face.height));
            break;
        case Cap::FaceWidth: maximum = std::min(maximum, face.width); break;
        case Cap::FaceHeight: maximum = std::min(maximum, face.height); break;
        case Cap::ScreenWidth: maximum = std::min(maximum, screen.width); break;
        case Cap::ScreenHeight: maximum = std::min(maximum, screen.height); break;
        case Cap::LargerScreenSide:
            maximum = std::min(maximum, std::max(screen.width, screen.height));
            break;
        case Cap::DesktopX: withinDesktop(clock.desktop.left, clock.desktop.right); break;
        case Cap::DesktopY: withinDesktop(clock.desktop.top, clock.desktop.bottom); break;
    }
    return {minimum, std::max(maximum, minimum)};
}

int32_t HeldSpinValue(std::string_view text, SpinBounds bounds) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return bounds.minimum;
    }
    // Digits beyond what any bound can need only push the value further out.
    int64_t magnitude = 0;
    for (char c : text) magnitude = std::min<int64_t>(magnitude * 10 + (c - '0'), int64_t{1} << 40);
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, bounds.minimum, bounds.maximum));
}

int32_t BoundInteger(const ClockSettings& s, const SettingDef& def) {
    if (const auto* geometry = std::get_if<GeometrySetting ClockSettings::*>(&def.field)) {
        return (s.**geometry).effective;
    }
    if (const auto* integer = std::get_if<int32_t ClockSettings::*>(&def.field)) return s.**integer;
    return 0;
}

void StoreBoundInteger(ClockSettings& s, const SettingDef& def, int32_t value) {
    if (const auto* geometry = std::get_if<GeometrySetting ClockSettings::*>(&def.field)) {
        s.** geometry = {value, value};
    } else if (const auto* integer = std::get_if<int32_t ClockSettings::*>(&def.field)) {
        s.** integer = value;
    }
}

const FontSlotFields* FontSlotOf(std::string_view faceSetting) {
    const SettingDef* def = FindSetting(faceSetting);
    const auto* face = def ? std::get_if<std::string ClockSettings::*>(&def->field) : nullptr;
    if (!face) return nullptr;
    for (const FontSlotFields& slot : kFontSlots) {
        if (slot.face == *face) return &slot;
    }
    return nullptr;
}

const ControlRow* FindRow(std::span<const ControlRow> rows, std::string_view name) {
    for (const ControlRow& row : rows) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

}  // namespace marvix
