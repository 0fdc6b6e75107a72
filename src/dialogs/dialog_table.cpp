#include "dialogs/dialog_table.h"

#include <algorithm>
#include <string>
#include <vector>

#include "frame/face_layout.h"
#include "settings/encodings.h"

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

std::optional<int32_t> ReadSpinValue(std::string_view text, SpinBounds bounds) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || (negative && bounds.minimum >= 0) ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    // Digits beyond what any bound can need only push the value further out.
    int64_t magnitude = 0;
    for (char c : text) magnitude = std::min<int64_t>(magnitude * 10 + (c - '0'), int64_t{1} << 40);
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::clamp<int64_t>(value, bounds.minimum, bounds.maximum));
}

int32_t HeldSpinValue(std::string_view text, SpinBounds bounds) {
    return ReadSpinValue(text, bounds).value_or(bounds.minimum);
}

bool TypedCharacterFits(std::string_view text, size_t start, size_t end, char typed,
                        SpinBounds bounds) {
    if (static_cast<unsigned char>(typed) < ' ') return true;  // Backspace, Ctrl+C, Ctrl+V ...
    end = std::min(end, text.size());
    start = std::min(start, end);
    // Nothing may go in front of a minus that stays.
    const bool beforeMinus = start == 0 && end < text.size() && text[end] == '-';
    if (typed >= '0' && typed <= '9') return !beforeMinus;
    // A minus only at the start, where negatives are allowed, and only one.
    return typed == '-' && bounds.minimum < 0 && start == 0 &&
           text.substr(end).find('-') == std::string_view::npos;
}

std::string BoundsInWords(SpinBounds bounds) {
    return "From " + std::to_string(bounds.minimum) + " to " + std::to_string(bounds.maximum);
}

std::string FieldTip(const ControlRow& row, SpinBounds bounds) {
    return row.tip.empty() ? BoundsInWords(bounds)
                           : std::string(row.tip) + ". " + BoundsInWords(bounds);
}

bool IsIdle(const ControlRow& row, const ClockSettings& s) {
    if (!row.idle.setting) return false;
    const int32_t value = StoredInteger(s, DefOf(*row.idle.setting));
    return (value == row.idle.value) != row.idle.otherThanValue;
}

bool IsTicked(const ClockSettings& s, const ControlRow& row, const SettingDef& def) {
    if (row.bit < 0) return s.*std::get<bool ClockSettings::*>(def.field);
    return (s.*std::get<int32_t ClockSettings::*>(def.field) >> row.bit) & 1;
}

void SetTicked(ClockSettings& s, const ControlRow& row, const SettingDef& def, bool ticked) {
    if (row.bit < 0) {
        s.*std::get<bool ClockSettings::*>(def.field) = ticked;
        return;
    }
    int32_t& bits = s.*std::get<int32_t ClockSettings::*>(def.field);
    bits = ticked ? bits | (1 << row.bit) : bits & ~(1 << row.bit);
}

void StoreBoundInteger(ClockSettings& s, const SettingDef& def, int32_t value) {
    if (const auto* geometry = std::get_if<GeometrySetting ClockSettings::*>(&def.field)) {
        (s.**geometry).requested = value;
    } else if (const auto* integer = std::get_if<int32_t ClockSettings::*>(&def.field)) {
        s.** integer = value;
    }
}

const FontSlotFields* FontSlotOf(Setting faceSetting) {
    const auto* face = std::get_if<std::string ClockSettings::*>(&DefOf(faceSetting).field);
    if (!face) return nullptr;
    for (const FontSlotFields& slot : kFontSlots) {
        if (slot.face == *face) return &slot;
    }
    return nullptr;
}

const ControlRow* FindRow(std::span<const ControlRow> rows, ControlId id) {
    for (const ControlRow& row : rows) {
        if (id && row.id == id) return &row;
    }
    return nullptr;
}

namespace {

bool IsLabel(const ControlRow& row) {
    return row.type == ControlType::Label && !row.caption.empty();
}

// The label nearest above the control that heads its column: no wider than the control, give or
// take a few pixels, so that a heading over a whole block of controls names none of them.
std::string_view ColumnHeading(std::span<const ControlRow> rows, const Rect& place) {
    constexpr int kSlack = 8;
    const ControlRow* nearest = nullptr;
    for (const ControlRow& label : rows) {
        const Rect& r = label.place;
        if (!IsLabel(label) || r.bottom > place.top + 2 || r.left < place.left - kSlack ||
            r.right > place.right + kSlack) {
            continue;
        }
        if (!nearest || r.bottom > nearest->place.bottom) nearest = &label;
    }
    return nearest ? nearest->caption : std::string_view{};
}

// The label just before the control on its line, a row's number or a field's name; one further
// away labels something else.
std::string_view LineLabel(std::span<const ControlRow> rows, const Rect& place) {
    constexpr int kReach = 40;
    const ControlRow* nearest = nullptr;
    for (const ControlRow& label : rows) {
        const Rect& r = label.place;
        const int middle = (r.top + r.bottom) / 2;
        if (!IsLabel(label) || middle < place.top || middle > place.bottom ||
            r.right > place.left + 2 || r.right < place.left - kReach) {
            continue;
        }
        if (!nearest || r.right > nearest->place.right) nearest = &label;
    }
    return nearest ? nearest->caption : std::string_view{};
}

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::vector<std::string_view> said;
    std::string name;
    for (std::string_view part : parts) {
        if (part.empty() || std::find(said.begin(), said.end(), part) != said.end()) continue;
        said.push_back(part);
        if (!name.empty()) name += ' ';
        name += part;
    }
    return name;
}

}  // namespace

std::string AccessibleName(std::span<const ControlRow> rows, const ControlRow& row) {
    const std::string_view own = !row.spoken.empty() ? row.spoken : row.caption;
    if (!own.empty()) return Joined({row.context, own});
    return Joined({row.context, ColumnHeading(rows, row.place), LineLabel(rows, row.place)});
}

std::string AccessibleName(std::span<const ControlRow> rows, const ControlRow& group,
                           std::string_view item) {
    return Joined({AccessibleName(rows, group), item});
}

std::string ColourInWords(Colour colour) {
    const std::string text = ColourText(colour);
    if (text.size() > 2 && text.compare(0, 2, "cl") == 0) {
        // "clBtnFace": "btn face".
        std::string words;
        for (size_t i = 2; i < text.size(); ++i) {
            const char c = text[i];
            if (c >= 'A' && c <= 'Z') {
                if (!words.empty()) words += ' ';
                words += char(c - 'A' + 'a');
            } else {
                words += c;
            }
        }
        return words;
    }
    const uint32_t v = colour.value;
    return "red " + std::to_string(v & 0xFF) + ", green " + std::to_string((v >> 8) & 0xFF) +
           ", blue " + std::to_string((v >> 16) & 0xFF);
}

}  // namespace marvix
