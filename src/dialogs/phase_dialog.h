#pragma once

// The phase dialog PhaseWindow, "Phase Displays", as data: the moon dial's column on the left, the
// day/night dial's on the right.

#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

extern const std::span<const ControlRow> kPhaseDialogRows;

}  // namespace marvix
