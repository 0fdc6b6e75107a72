#pragma once

// The hands dialog HandsWindow, "Marvix Hands", as data and rules: its controls, the write-backs its
// ShowSettings makes on purpose, "Together", and the stacking order the Order list edits.

#include <array>
#include <span>
#include <string>

#include "dialogs/dialog_table.h"
#include "frame/face_layout.h"

namespace marvix {

// The controls the window or a test reaches; a hand's own (Show to Tail) by its hand's index.
enum class HandsControl : uint16_t {
    Centre = 1,
    Mirrored,
    Smooth,
    AutoSize,
    Together,
    HourMilitary,
    CentreLeft,
    CentreTop,
    Show,
    Colour,
    Length,
    Width,
    Left,
    Top,
    Style,
    Tail,
    Order,
    ResetOrder,
};

extern const std::span<const ControlRow> kHandsDialogRows;

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
