#pragma once

// The spelling dialog SpellingWindow, "Spelling", as data: the 38 day and month names the DAY and MONTH
// displays show, each field storing every keystroke.

#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

// The name fields, each by its place among the names: DayName 0 to 13 (DayNames1 to DayNames14:
// the long names, then the short), MonthName 0 to 23 likewise.
enum class SpellingControl : uint16_t { DayName = 1, MonthName };

extern const std::span<const ControlRow> kSpellingDialogRows;

}  // namespace marvix
