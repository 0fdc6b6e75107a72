#pragma once

// PhaseWindow, "Phase Displays": the moon and day/night dials' settings. A change shows on the clock
// at once.

#include "dialogs/table_dialog_win.h"

namespace marvix {

class PhaseWindow final : public TableDialog {
public:
    PhaseWindow(SettingsWindowHost& host, const DialogLayout& layout);

protected:
    void Changed(const ControlRow& row) override;
};

}  // namespace marvix
