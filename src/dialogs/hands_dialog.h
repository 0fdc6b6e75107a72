#pragma once

// The hands dialog TForm2, "Marvix Hands", as data and rules: its controls, the write-backs its
// SetStuff makes on purpose, "Together", and the stacking order the Order list edits.

#include <array>
#include <span>
#include <string>

#include "dialogs/dialog_table.h"

namespace marvix {

extern const std::span<const ControlRow> kHandsDialogRows;

// The eight Length fields and the two common pivot fields in table order, with the names of
// their controls: SetStuff writes their effective values back as the requested ones, and
// "Auto Size" and "Center" reload them.
inline constexpr std::array<std::string_view, 8> kLengthFields = {
    "SpinEdit14", "SpinEdit16", "SpinEdit15", "SpinEdit8",
    "SpinEdit10", "SpinEdit26", "SpinEdit29", "SpinEdit37",
};
inline constexpr std::array<std::string_view, 2> kCommonPivotFields = {"SpinEdit12", "SpinEdit13"};

// Step 1 of SetStuff: each Length field and the common pivot show the effective value, held to
// the field's bounds, and a field's value is the setting's requested one as well.
void WriteBackHandGeometry(ClockSettings& settings);

// "Together": every hand's own pivot becomes the effective common pivot.
void PivotsTogether(ClockSettings& settings);

// The Order list: HandZ0 (drawn last, on top) to HandZ7.
std::array<std::string, 8> StackingOrder(const ClockSettings& settings);
void SwapStackingSlots(ClockSettings& settings, size_t first, size_t second);
// "reset": the stacking order every new clock has.
void ResetStackingOrder(ClockSettings& settings);

}  // namespace marvix
