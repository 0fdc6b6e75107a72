#include "dialogs/phase_dialog_win.h"

#include "app/application_win.h"
#include "app/clock_window_win.h"
#include "dialogs/phase_dialog.h"

namespace marvix {

PhaseWindow::PhaseWindow(Application& app, const DialogLayout& layout)
    : TableDialog(app, layout, kPhaseDialogRows) {}

// The dial moves, turns halved or changes colour on the clock now, not at the next tick.
void PhaseWindow::Changed(const ControlRow&) { app_.Clock().Redraw(); }

}  // namespace marvix
