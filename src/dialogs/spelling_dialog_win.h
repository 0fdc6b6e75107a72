#pragma once

// TForm10, "Spelling": the day and month names, every keystroke stored; the DAY and MONTH
// displays show them at the next tick.

#include "dialogs/table_dialog_win.h"

namespace marvix {

class TForm10 final : public TableDialog {
public:
    TForm10(Application& app, const DialogLayout& layout);
};

}  // namespace marvix
