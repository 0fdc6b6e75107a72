#include "dialogs/phase_dialog_win.h"

#include "dialogs/phase_dialog.h"

namespace marvix {

PhaseWindow::PhaseWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kPhaseDialogRows) {}

// The dial moves, turns halved or changes colour on the clock now, not at the next tick.
void PhaseWindow::Changed(const ControlRow&) { host_.Parts().look.Redraw(); }

}  // namespace marvix
