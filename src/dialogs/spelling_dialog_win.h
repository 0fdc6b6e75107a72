#pragma once

// SpellingWindow, "Spelling": the day and month names, every keystroke stored; the DAY and MONTH
// displays show them at the next tick.

#include "dialogs/table_dialog_win.h"

namespace marvix {

class SpellingWindow final : public TableDialog {
public:
    SpellingWindow(SettingsWindowHost& host, const DialogLayout& layout);
};

}  // namespace marvix
