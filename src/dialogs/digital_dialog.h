#pragma once

// The digital displays dialog DigitalWindow, "Marvix Digital Displays", as data: one column per display,
// HOUR to AM/PM above the line and DAY to INTER2 below it.

#include <array>
#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

// The controls the window or a test reaches, each by its display's index (0 DAY to 11 INTER2,
// the font-slot order).
enum class DigitalControl : uint16_t {
    Show = 1,
    AutoPlace,
    Transparent,
    Extra,  // "Military", "Blink", "LongN" or "4 digit", where the display has one
    LowerCase,
    AsSpelled,
    UpperCase,
    Left,
    Top,
    Colour,
    Font,
};

extern const std::span<const ControlRow> kDigitalDialogRows;

// Six columns of controls, each wide enough for its captions and six-digit fields.
inline constexpr int kDigitalClientWidth = 480;

// The value an "L", "M" or "U" button gives its case setting.
int32_t LetterCaseOf(DigitalControl button);

}  // namespace marvix
