#pragma once

// The spelling dialog SpellingWindow, "Spelling", as data: the 38 day and month names the DAY and MONTH
// displays show, each field storing every keystroke.

#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

extern const std::span<const ControlRow> kSpellingDialogRows;

}  // namespace marvix
