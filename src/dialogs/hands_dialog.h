#pragma once

// The hands dialog HandsWindow, "Marvix Hands", as data and rules: its controls, the write-backs its
// ShowSettings makes on purpose, "Together", and the stacking order the Order list edits.

#include <array>
#include <span>
#include <string>

#include "dialogs/dialog_table.h"
#include "frame/face_layout.h"

namespace marvix {

extern const std::span<const ControlRow> kHandsDialogRows;

// The names of the eight Length fields, the two common pivot fields and the sixteen own pivot
// fields (Left and Top, row by row), taken from the table: ShowSettings writes the lengths and the
// common pivot back as the requested ones, "Auto Size", "Center" and "Together" reload them.
extern const std::array<std::string_view, 8> kLengthFields;
extern const std::array<std::string_view, 2> kCommonPivotFields;
extern const std::array<std::string_view, 16> kOwnPivotFields;

// Step 1 of ShowSettings: each Length field and the common pivot show the effective value (as
// `layout` has it), held to the field's bounds, and a field's value is the setting's requested one
// as well.
void WriteBackHandGeometry(ClockSettings& settings, const FaceLayout& layout,
                           const ClockMeasures& clock);

// "Together": every hand's own pivot becomes the effective common pivot.
void PivotsTogether(ClockSettings& settings, const FaceLayout& layout);

// The Order list: HandZ0 (drawn last, on top) to HandZ7.
std::array<std::string, 8> StackingOrder(const ClockSettings& settings);
void SwapStackingSlots(ClockSettings& settings, size_t first, size_t second);
// "reset": the stacking order every new clock has.
void ResetStackingOrder(ClockSettings& settings);

}  // namespace marvix
