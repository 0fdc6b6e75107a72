#include "dialogs/phase_dialog_win.h"

#include "app/application_win.h"
#include "app/clock_window_win.h"
#include "dialogs/phase_dialog.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    "TForm3", "Phase Displays", {368, 322}, 0x00800040, {40, 40}, false,
    kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kPanels | kRadioGroups | kSpinEdits,
    Clamp::OnCreateAndActivation, true,
};
// clang-format on

}  // namespace

TForm3::TForm3(Application& app) : TableDialog(app, kLayout, kPhaseDialogRows) {}

// The dial moves, turns halved or changes colour on the clock now, not at the next tick.
void TForm3::Changed(const ControlRow&) { app_.Clock().Redraw(); }

}  // namespace marvix
