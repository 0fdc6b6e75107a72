#include "dialogs/spelling_dialog_win.h"

#include "dialogs/spelling_dialog.h"

namespace marvix {

namespace {

// clang-format off
constexpr DialogLayout kLayout{
    "TForm10", "Spelling", {516, 371}, 0x00800040, {0, 0}, true,
    kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels, Clamp::OnCreateAndActivation, true,
};
// clang-format on

}  // namespace

TForm10::TForm10(Application& app) : TableDialog(app, kLayout, kSpellingDialogRows) {}

}  // namespace marvix
