#pragma once

// The phase dialog PhaseWindow, "Phase Displays", as data: the moon dial's column on the left, the
// day/night dial's on the right.

#include <span>

#include "dialogs/dialog_table.h"

namespace marvix {

// The controls the window or a test reaches, each by its dial (0 the moon, 1 day/night); a colour
// panel by its place among the dial's panels.
enum class PhaseControl : uint16_t { Show = 1, Halved, Size, Left, Top, MoonColour, DayColour };

extern const std::span<const ControlRow> kPhaseDialogRows;

}  // namespace marvix
