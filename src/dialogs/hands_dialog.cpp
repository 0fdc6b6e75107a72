#include "dialogs/hands_dialog.h"

#include <algorithm>
#include <utility>

#include "hands/hand_family.h"

namespace marvix {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF, kAqua = 0x00FFFF00, kYellow = 0x0000FFFF,
                   kLime = 0x0000FF00;

// One hand's row of the dialog, as the hands dialog's layout lists it: the controls' names and
// the settings they are bound to.
struct HandRow {
    std::string_view labelName, label;
    std::string_view show, showSetting;
    std::string_view panel, colourSetting;
    std::string_view length, lengthSetting;
    std::string_view width, widthSetting;
    std::string_view left, leftSetting;
    std::string_view top, topSetting;
    std::string_view style, styleSetting;
    std::string_view tail, tailSetting;
};

// clang-format off
constexpr HandRow kHandRows[kHandCount] = {
    {"Label11", "Hour", "CheckBox6", "DispH", "Panel1", "CHourStr", "SpinEdit14", "AHS", "SpinEdit17", "HWT", "SpinEdit20", "HX", "SpinEdit23", "HY", "SpinEdit1", "HHandStyle", "CheckBox10", "HandE"},
    {"Label12", "Min", "CheckBox7", "DispM", "Panel2", "CMinStr", "SpinEdit16", "AMS", "SpinEdit18", "MWT", "SpinEdit21", "MX", "SpinEdit24", "MY", "SpinEdit2", "MHandStyle", "CheckBox11", "HandE2"},
    {"Label13", "Sec", "CheckBox8", "DispS", "Panel3", "CSecStr", "SpinEdit15", "ASS", "SpinEdit19", "SWT", "SpinEdit22", "SX", "SpinEdit25", "SY", "SpinEdit3", "SHandStyle", "CheckBox12", "HandE3"},
    {"Label14", "Date", "CheckBox13", "DispDate", "Panel4", "CDateStr", "SpinEdit8", "ADtS", "SpinEdit9", "DtWT", "SpinEdit30", "DDtX", "SpinEdit31", "DDtY", "SpinEdit4", "DateHandStyle", "CheckBox17", "HandDt"},
    {"Label15", "Day", "CheckBox14", "DispDay", "Panel5", "CDayStr", "SpinEdit10", "ADyS", "SpinEdit11", "DyWT", "SpinEdit32", "DyX", "SpinEdit33", "DyY", "SpinEdit5", "DayHandStyle", "CheckBox18", "HandDy"},
    {"Label16", "Mon", "CheckBox15", "DispMonth", "Panel6", "CMonthStr", "SpinEdit26", "AMnS", "SpinEdit27", "MnWT", "SpinEdit34", "MnX", "SpinEdit35", "MnY", "SpinEdit6", "MonthHandStyle", "CheckBox19", "HandMn"},
    {"Label17", "Int1", "CheckBox1", "DispInternet1", "Panel8", "CInternet1Str", "SpinEdit29", "AInternet1", "SpinEdit36", "Internet1WT", "SpinEdit39", "Internet1X", "SpinEdit40", "Internet1Y", "SpinEdit7", "Internet1HandStyle", "CheckBox21", "HandInternet1"},
    {"Label18", "Int2", "CheckBox20", "DispInternet2", "Panel9", "CInternet2Str", "SpinEdit37", "AInternet2", "SpinEdit38", "Internet2WT", "SpinEdit41", "Internet2X", "SpinEdit42", "Internet2Y", "SpinEdit28", "Internet2HandStyle", "CheckBox22", "HandInternet2"},
};
// clang-format on

constexpr int kFirstRowTop = 28, kRowPitch = 30;

// The column heads, the options with the common pivot, and the Order list; the hand rows follow.
// clang-format off
constexpr ControlRow kFixedRows[] = {
    {ControlType::Label, "Label1", "Color", {222, 10, 270, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label2", "Length", {276, 10, 332, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label3", "Width", {338, 10, 382, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label4", "Left", {388, 10, 444, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label5", "Top", {450, 10, 506, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label6", "Style", {512, 10, 552, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label7", "Tail", {556, 10, 582, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label8", "Order", {588, 10, 663, 24}, {}, 0, 0, kWhite},
    {ControlType::Label, "Label9", "Hand Options", {10, 10, 150, 24}, {}, 0, 0, kYellow},
    With({ControlType::CheckBox, "CheckBox3", "Center", {12, 30, 150, 47}, "CHands", 0, 0, kYellow}, Effect::ShowCommonPivot),
    {ControlType::CheckBox, "CheckBox9", "Mirrored", {12, 54, 150, 71}, "Reversed", 0, 0, kYellow},
    With({ControlType::CheckBox, "CheckBox2", "Smooth", {12, 78, 150, 95}, "Smooth", 0, 0, kYellow}, Effect::Retime),
    With({ControlType::CheckBox, "CheckBox4", "Auto Size", {12, 102, 150, 119}, "AutoHand", 0, 0, kYellow}, Effect::ShowLengths),
    With({ControlType::CheckBox, "CheckBox5", "Together", {12, 126, 150, 143}, "THand", 0, 0, kYellow}, Effect::PivotsTogether),
    {ControlType::CheckBox, "CheckBox16", "Hr Military", {12, 150, 150, 167}, "HourMil", 0, 0, kYellow},
    {ControlType::Label, "Label10", "Left", {12, 192, 44, 206}, {}, 0, 0, kLime},
    {ControlType::SpinEdit, "SpinEdit12", "", {48, 188, 112, 209}, "ACX", 0, 9999, 0, Cap::FaceWidth},
    {ControlType::Label, "Label19", "Top", {12, 222, 44, 236}, {}, 0, 0, kLime},
    {ControlType::SpinEdit, "SpinEdit13", "", {48, 218, 112, 239}, "ACY", 0, 9999, 0, Cap::FaceHeight},
};
// The Order list and its reset, at the right: Tab reaches them after the hands' rows.
constexpr ControlRow kOrderRows[] = {
    {ControlType::List, "ListBox1", "", {588, 28, 663, 138}},
    With({ControlType::PushButton, "Button1", "reset", {588, 146, 663, 167}}, Effect::ResetOrder),
};
// clang-format on

constexpr size_t kControlsPerHand = 9;
constexpr size_t kRowCount =
    std::size(kFixedRows) + kHandCount * kControlsPerHand + std::size(kOrderRows);

constexpr std::array<ControlRow, kRowCount> BuildRows() {
    std::array<ControlRow, kRowCount> rows{};
    size_t n = 0;
    for (const ControlRow& row : kFixedRows) rows[n++] = row;
    // Row by row, left to right, so that Tab runs along each hand's row.
    for (size_t i = 0; i < kHandCount; ++i) {
        const HandRow& h = kHandRows[i];
        const int top = kFirstRowTop + kRowPitch * static_cast<int>(i);
        auto at = [&](int left, int right, int height) {
            return Rect{left, top, right, top + height};
        };
        rows[n++] = {ControlType::Label, h.labelName, h.label, at(168, 200, 14), {}, 0, 0, kAqua};
        rows[n++] = Spoken({ControlType::CheckBox, h.show, "", at(202, 218, 17), h.showSetting}, {},
                           "Show");
        rows[n++] =
            Spoken({ControlType::ColourPanel, h.panel, h.label, at(222, 270, 21), h.colourSetting},
                   {}, "Color");
        rows[n++] = {ControlType::SpinEdit, h.length, "",   at(276, 332, 21),
                     h.lengthSetting,       0,        9999, 0,
                     Cap::LargerFaceSide};
        rows[n++] = {ControlType::SpinEdit, h.width, "", at(338, 382, 21), h.widthSetting, 1, 20};
        rows[n++] = {ControlType::SpinEdit, h.left, "", at(388, 444, 21), h.leftSetting, 0, 9999};
        rows[n++] = {ControlType::SpinEdit, h.top, "", at(450, 506, 21), h.topSetting, 0, 9999};
        rows[n++] = {ControlType::SpinEdit, h.style, "", at(512, 552, 21), h.styleSetting, 0, 2};
        rows[n++] = {ControlType::CheckBox, h.tail, "", at(560, 576, 17), h.tailSetting};
        // A screen reader names each cell by its hand, then its column: "Hour Length".
        for (size_t k = n - kControlsPerHand; k < n; ++k) rows[k].context = h.label;
    }
    for (const ControlRow& row : kOrderRows) rows[n++] = row;
    return rows;
}

constexpr std::array<ControlRow, kRowCount> kRows = BuildRows();

constexpr std::array<std::string_view, 8> LengthFields() {
    std::array<std::string_view, 8> fields{};
    for (size_t i = 0; i < kHandCount; ++i) fields[i] = kHandRows[i].length;
    return fields;
}

constexpr std::array<std::string_view, 16> OwnPivotFields() {
    std::array<std::string_view, 16> fields{};
    for (size_t i = 0; i < kHandCount; ++i) {
        fields[2 * i] = kHandRows[i].left;
        fields[2 * i + 1] = kHandRows[i].top;
    }
    return fields;
}

}  // namespace

const std::span<const ControlRow> kHandsDialogRows = kRows;
const std::array<std::string_view, 8> kLengthFields = LengthFields();
const std::array<std::string_view, 2> kCommonPivotFields = {"SpinEdit12", "SpinEdit13"};
const std::array<std::string_view, 16> kOwnPivotFields = OwnPivotFields();

void WriteBackHandGeometry(ClockSettings& s, const FaceLayout& layout, const ClockMeasures& clock) {
    auto writeBack = [&](std::string_view field) {
        const ControlRow& row = *FindRow(kRows, field);
        const SettingDef& def = *FindSetting(row.setting);
        const SpinBounds bounds = BoundsOf(row, clock);
        const int32_t shown =
            std::clamp(ShownInteger(s, layout, def), bounds.minimum, bounds.maximum);
        StoreBoundInteger(s, def, shown);
    };
    for (std::string_view field : kLengthFields) writeBack(field);
    for (std::string_view field : kCommonPivotFields) writeBack(field);
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
