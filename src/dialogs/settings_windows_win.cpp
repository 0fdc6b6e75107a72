#include "app/settings_windows_win.h"

#include "dialogs/alarms_dialog_win.h"
#include "dialogs/configurations_dialog_win.h"
#include "dialogs/digital_dialog_win.h"
#include "dialogs/hands_dialog_win.h"
#include "dialogs/phase_dialog_win.h"
#include "dialogs/spelling_dialog_win.h"

namespace marvix {

namespace {

constexpr unsigned kEightKinds =
    kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kPanels | kRadioGroups | kSpinEdits;
constexpr uint32_t kPurple = 0x00800040;

// Indexed by DialogId. Each window gets its controls as its own file arrives; until then it is
// the empty tool window with its caption.
// clang-format off
constexpr DialogLayout kLayouts[kDialogCount] = {
    {},  // TForm2: hands_dialog_win.cpp
    {},  // TForm3: phase_dialog_win.cpp
    {"TForm5", "Marvix Face", {269, 444}, kPurple, {60, 20}, false, kEightKinds,
     Clamp::OnCreateAndActivationUnlessIgnored, true},
    {},  // TForm6: digital_dialog_win.cpp
    {},  // TForm7: alarms_dialog_win.cpp
    {},  // TForm8: configurations_dialog_win.cpp
    {},  // TForm10: spelling_dialog_win.cpp
};
// clang-format on

}  // namespace

std::unique_ptr<SettingsDialog> MakeSettingsWindow(Application& app, DialogId id) {
    if (id == DialogId::Hands) return std::make_unique<TForm2>(app);
    if (id == DialogId::Phases) return std::make_unique<TForm3>(app);
    if (id == DialogId::Alarms) return std::make_unique<TForm7>(app);
    if (id == DialogId::Digital) return std::make_unique<TForm6>(app);
    if (id == DialogId::Spelling) return std::make_unique<TForm10>(app);
    if (id == DialogId::Configurations) return std::make_unique<TForm8>(app);
    return std::make_unique<SettingsDialog>(app, kLayouts[static_cast<size_t>(id)]);
}

}  // namespace marvix
