#include "dialogs/settings_windows_win.h"

#include "dialogs/alarms_dialog_win.h"
#include "dialogs/configurations_dialog_win.h"
#include "dialogs/digital_dialog.h"
#include "dialogs/digital_dialog_win.h"
#include "dialogs/face_dialog_win.h"
#include "dialogs/hands_dialog_win.h"
#include "dialogs/phase_dialog_win.h"
#include "dialogs/spelling_dialog_win.h"

namespace marvix {

namespace {

constexpr unsigned kEightKinds =
    kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kPanels | kRadioGroups | kSpinEdits;
constexpr uint32_t kPurple = 0x00800040;

// The settings windows' frames, indexed by DialogId: class, caption, client size, colour, first
// place (until the first showing puts it beside the clock), the kinds ApplyDialogFont serves (the lists
// too, so that none keeps the system's large bold font) and when the window is held on the
// screen. (ConfigurationsWindow has its own.)
// clang-format off
constexpr DialogLayout kLayouts[kDialogCount] = {
    {"TForm2", "Marvix Hands", {671, 279}, kPurple, {20, 20}, false, kEightKinds | kLists,
     Clamp::OnCreateAndActivation, true},
    {"TForm3", "Phase Displays", {384, 322}, kPurple, {40, 40}, false, kEightKinds,
     Clamp::OnCreateAndActivation, true},
    {"TForm5", "Marvix Face", {269, 395}, kPurple, {60, 20}, false, kEightKinds,
     Clamp::OnCreateAndActivationUnlessIgnored, true},
    {"TForm6", "Marvix Digital Displays", {kDigitalClientWidth, 456}, kPurple, {0, 0}, true, kEightKinds,
     Clamp::OnCreateAndActivation, true},
    {"TForm7", "Marvix Alarms/sounds", {444, 290}, kPurple, {80, 60}, false,
     kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kSpinEdits,
     Clamp::OnCreateAndActivation, true},
    {},  // ConfigurationsWindow: configurations_dialog_win.cpp
    {"TForm10", "Spelling", {516, 371}, kPurple, {0, 0}, true,
     kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels, Clamp::OnCreateAndActivation, true},
};
// clang-format on

}  // namespace

std::unique_ptr<SettingsDialog> MakeSettingsWindow(SettingsWindowHost& host, DialogId id) {
    const DialogLayout& layout = kLayouts[static_cast<size_t>(id)];
    switch (id) {
        case DialogId::Hands: return std::make_unique<HandsWindow>(host, layout);
        case DialogId::Phases: return std::make_unique<PhaseWindow>(host, layout);
        case DialogId::Face: return std::make_unique<FaceWindow>(host, layout);
        case DialogId::Digital: return std::make_unique<DigitalWindow>(host, layout);
        case DialogId::Alarms: return std::make_unique<AlarmsWindow>(host, layout);
        case DialogId::Configurations: return std::make_unique<ConfigurationsWindow>(host);
        case DialogId::Spelling: return std::make_unique<SpellingWindow>(host, layout);
    }
    return nullptr;
}

}  // namespace marvix
