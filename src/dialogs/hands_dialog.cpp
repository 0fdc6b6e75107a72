#include "dialogs/hands_dialog.h"

#include <algorithm>
#include <utility>

#include "hands/hand_family.h"

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF, kAqua = 0x00FFFF00, kYellow = 0x0000FFFF,
                   kLime = 0x0000FF00;

constexpr int kFirstRowTop = 28, kRowPitch = 30;
using T = ControlType;
using C = HandsControl;

// The column heads, the options with the common pivot, and the Order list; the hand rows follow.
// clang-format off
constexpr ControlRow kFixedRows[] = {
    {.caption = "Color", .place = {222, 10, 270, 24}, .colour = kWhite},
    {.caption = "Length", .place = {276, 10, 332, 24}, .colour = kWhite},
    {.caption = "Width", .place = {338, 10, 382, 24}, .colour = kWhite},
    {.caption = "Left", .place = {388, 10, 444, 24}, .colour = kWhite},
    {.caption = "Top", .place = {450, 10, 506, 24}, .colour = kWhite},
    {.caption = "Style", .place = {512, 10, 552, 24}, .colour = kWhite},
    {.caption = "Tail", .place = {556, 10, 582, 24}, .colour = kWhite},
    {.caption = "Order", .place = {588, 10, 663, 24}, .colour = kWhite},
    {.caption = "Hand Options", .place = {10, 10, 150, 24}, .colour = kYellow},
    {.type = T::CheckBox, .id = IdOf(C::Centre), .caption = "Center", .place = {12, 30, 150, 47}, .setting = Setting::CHands, .colour = kYellow, .effect = Effect::ShowCommonPivot},
    {.type = T::CheckBox, .id = IdOf(C::Mirrored), .caption = "Mirrored", .place = {12, 54, 150, 71}, .setting = Setting::Reversed, .colour = kYellow},
    {.type = T::CheckBox, .id = IdOf(C::Smooth), .caption = "Smooth", .place = {12, 78, 150, 95}, .setting = Setting::Smooth, .colour = kYellow, .effect = Effect::Retime},
    {.type = T::CheckBox, .id = IdOf(C::AutoSize), .caption = "Auto Size", .place = {12, 102, 150, 119}, .setting = Setting::AutoHand, .colour = kYellow, .effect = Effect::ShowLengths},
    {.type = T::CheckBox, .id = IdOf(C::Together), .caption = "Together", .place = {12, 126, 150, 143}, .setting = Setting::THand, .colour = kYellow, .effect = Effect::PivotsTogether, .tip = "Every hand turns about the common pivot"},
    {.type = T::CheckBox, .id = IdOf(C::HourMilitary), .caption = "Hr Military", .place = {12, 150, 150, 167}, .setting = Setting::HourMil, .colour = kYellow, .tip = "The hour hand goes round once a day, on a 24-hour dial"},
    {.caption = "Left", .place = {12, 192, 44, 206}, .colour = kLime},
    {.type = T::SpinEdit, .id = IdOf(C::CentreLeft), .place = {48, 188, 112, 209}, .setting = Setting::ACX, .maximum = 9999, .cap = Cap::FaceWidth, .idle = {Setting::CHands}},
    {.caption = "Top", .place = {12, 222, 44, 236}, .colour = kLime},
    {.type = T::SpinEdit, .id = IdOf(C::CentreTop), .place = {48, 218, 112, 239}, .setting = Setting::ACY, .maximum = 9999, .cap = Cap::FaceHeight, .idle = {Setting::CHands}},
};
// The Order list and its reset, at the right: Tab reaches them after the hands' rows.
constexpr ControlRow kOrderRows[] = {
    {.type = T::List, .id = IdOf(C::Order), .place = {588, 28, 663, 138}},
    {.type = T::PushButton, .id = IdOf(C::ResetOrder), .caption = "reset", .place = {588, 146, 663, 167}, .effect = Effect::ResetOrder},
};
// clang-format on

constexpr size_t kControlsPerHand = 9;
constexpr size_t kRowCount =
    std::size(kFixedRows) + kHandCount * kControlsPerHand + std::size(kOrderRows);

// A hand's row, from the hands' own table: its name, then a control for each of its settings.
constexpr void AddHandRow(std::array<ControlRow, kRowCount>& rows, size_t& n, size_t i) {
    const HandSpec& h = kHands[i];
    const int top = kFirstRowTop + kRowPitch * static_cast<int>(i);
    auto at = [&](int left, int right, int height) { return Rect{left, top, right, top + height}; };
    auto cell = [&](ControlType type, C role, SettingField field, Rect place) {
        return ControlRow{
            .type = type, .id = IdOf(role, i), .place = place, .setting = SettingOf(field)};
    };
    rows[n++] = {.caption = h.name, .place = at(168, 200, 14), .colour = kAqua};
    rows[n] = cell(T::CheckBox, C::Show, h.show, at(202, 218, 17));
    rows[n++].spoken = "Show";
    rows[n] = cell(T::ColourPanel, C::Colour, h.colour, at(222, 270, 21));
    rows[n].caption = h.name;
    rows[n++].spoken = "Color";
    rows[n] = cell(T::SpinEdit, C::Length, h.length, at(276, 332, 21));
    rows[n].maximum = 9999;
    rows[n].idle = {Setting::AutoHand};
    rows[n++].cap = Cap::LargerFaceSide;
    rows[n] = cell(T::SpinEdit, C::Width, h.width, at(338, 382, 21));
    rows[n].minimum = 1;
    rows[n++].maximum = 20;
    // The hand's own pivot, which Together holds at the common one.
    rows[n] = cell(T::SpinEdit, C::Left, h.x, at(388, 444, 21));
    rows[n].idle = {Setting::THand};
    rows[n++].maximum = 9999;
    rows[n] = cell(T::SpinEdit, C::Top, h.y, at(450, 506, 21));
    rows[n].idle = {Setting::THand};
    rows[n++].maximum = 9999;
    rows[n] = cell(T::SpinEdit, C::Style, h.style, at(512, 552, 21));
    rows[n].tip = "The hand's shape: 0 a line, 1 and 2 shapes of their own";
    rows[n++].maximum = 2;
    rows[n] = cell(T::CheckBox, C::Tail, h.tail, at(560, 576, 17));
    rows[n++].tip = "A short tail behind the pivot";
    // A screen reader names each cell by its hand, then its column: "Hour Length".
    for (size_t k = n - kControlsPerHand; k < n; ++k) rows[k].context = h.name;
}

constexpr std::array<ControlRow, kRowCount> BuildRows() {
    std::array<ControlRow, kRowCount> rows{};
    size_t n = 0;
    for (const ControlRow& row : kFixedRows) rows[n++] = row;
    // Row by row, left to right, so that Tab runs along each hand's row.
    for (size_t i = 0; i < kHandCount; ++i) AddHandRow(rows, n, i);
    for (const ControlRow& row : kOrderRows) rows[n++] = row;
    return rows;
}

constexpr std::array<ControlRow, kRowCount> kRows = BuildRows();

}  // namespace

const std::span<const ControlRow> kHandsDialogRows = kRows;

void WriteBackHandGeometry(ClockSettings& s, const FaceLayout& layout, const ClockMeasures& clock) {
    auto writeBack = [&](ControlId field) {
        const ControlRow& row = *FindRow(kRows, field);
        const SettingDef& def = DefOf(*row.setting);
        const SpinBounds bounds = BoundsOf(row, clock);
        const int32_t shown =
            std::clamp(ShownInteger(s, layout, def), bounds.minimum, bounds.maximum);
        StoreBoundInteger(s, def, shown);
    };
    for (size_t i = 0; i < kHandCount; ++i) writeBack(IdOf(HandsControl::Length, i));
    writeBack(IdOf(HandsControl::CentreLeft));
    writeBack(IdOf(HandsControl::CentreTop));
}

void PivotsTogether(ClockSettings& s, const FaceLayout& layout) {
    for (const HandSpec& hand : kHands) {
        s.*hand.x = layout.hands.centre.x;
        s.*hand.y = layout.hands.centre.y;
    }
}

std::array<std::string, 8> StackingOrder(const ClockSettings& s) {
    std::array<std::string, 8> order;
    for (size_t i = 0; i < order.size(); ++i) order[i] = s.*kStackingSlots[i];
    return order;
}

void SwapStackingSlots(ClockSettings& s, size_t first, size_t second) {
    if (first >= kStackingSlots.size() || second >= kStackingSlots.size()) return;
    std::swap(s.*kStackingSlots[first], s.*kStackingSlots[second]);
}

void ResetStackingOrder(ClockSettings& s) {
    const ClockSettings defaults = DefaultSettings();
    for (std::string ClockSettings::*slot : kStackingSlots) s.*slot = defaults.*slot;
}

}  // namespace marvix
