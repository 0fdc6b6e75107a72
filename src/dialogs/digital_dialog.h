#pragma once

// The digital displays dialog DigitalWindow, "Marvix Digital Displays", as data: one column per display,
// HOUR to AM/PM above the line and DAY to INTER2 below it.

#include <array>
#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

extern const std::span<const ControlRow> kDigitalDialogRows;

// Six columns of controls, each wide enough for its captions and six-digit fields.
inline constexpr int kDigitalClientWidth = 480;

// What a column's special handlers need: its display (0 DAY to 11 INTER2, the font-slot order),
// the controls whose effects go beyond their setting, and its Left/Top fields.
struct DigitalColumn {
    size_t display;
    std::string_view autoPlace, left, top, panel, font;
};
extern const std::array<DigitalColumn, 12> kDigitalColumns;

// The face setting of each font slot, in font-slot order: what a "Font" button is bound to.
inline constexpr std::array<std::string_view, 12> kFontFaceSettings = {
    "DFont1", "DFont2", "DFont3", "DFont4",  "DFont5",  "DFont6",
    "DFont7", "DFont8", "DFont9", "DFont10", "DFont11", "DFont12",
};

// The "L", "M" and "U" buttons: which case setting each sets to what.
struct CaseButton {
    std::string_view name, setting;
    int32_t value;
};
inline constexpr std::array<CaseButton, 6> kCaseButtons = {{
    {"BitBtn1", "DayCaseInt", 1},
    {"BitBtn2", "DayCaseInt", 2},
    {"BitBtn3", "DayCaseInt", 3},
    {"BitBtn4", "MonthCaseInt", 1},
    {"BitBtn5", "MonthCaseInt", 2},
    {"BitBtn6", "MonthCaseInt", 3},
}};

}  // namespace marvix
