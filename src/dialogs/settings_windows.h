#pragma once

// The settings windows' tables, all of them, for the checks that hold for every one: beside the
// factory that makes the windows (settings_windows_win.cpp).

#include <span>
#include <string_view>

#include "dialogs/dialog_table.h"

namespace marvix {

struct DialogTable {
    std::string_view className;  // "TForm2"
    std::span<const ControlRow> rows;
};

std::span<const DialogTable> AllDialogTables();

}  // namespace marvix
