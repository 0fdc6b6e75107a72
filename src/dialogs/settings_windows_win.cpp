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
// The settings windows' frames, indexed by DialogId: class, caption, client size, colour, first
// place (until the first showing puts it beside the clock), the kinds ApplyDialogFont serves (the lists
// too, so that none keeps the system's large bold font) and when the window is held on the
// screen. (ConfigurationsWindow has its own.)
// clang-format off
constexpr DialogLayout kLayouts[kDialogCount] = {
    {.className = "TForm2", .caption = "Marvix Hands", .client = {671, 279}, .background = kWindowPurple, .position = {20, 20}, .centred = false,
     .fontKinds = kEightKinds | kLists, .clamp = Clamp::OnCreateAndActivation, .createOnActivation = true},
    {.className = "TForm3", .caption = "Phase Displays", .client = {384, 322}, .background = kWindowPurple, .position = {40, 40}, .centred = false,
     .fontKinds = kEightKinds, .clamp = Clamp::OnCreateAndActivation, .createOnActivation = true},
    {.className = "TForm5", .caption = "Marvix Face", .client = {269, 488}, .background = kWindowPurple, .position = {60, 20}, .centred = false,
     .fontKinds = kEightKinds, .clamp = Clamp::OnCreateAndActivationUnlessIgnored, .createOnActivation = true},
    {.className = "TForm6", .caption = "Marvix Digital Displays", .client = {kDigitalClientWidth, 456}, .background = kWindowPurple, .position = {0, 0}, .centred = true,
     .fontKinds = kEightKinds, .clamp = Clamp::OnCreateAndActivation, .createOnActivation = true},
    {.className = "TForm7", .caption = "Marvix Alarms/sounds", .client = {444, 456}, .background = kWindowPurple, .position = {80, 60}, .centred = false,
     .fontKinds = kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels | kSpinEdits, .clamp = Clamp::OnCreateAndActivation, .createOnActivation = true},
    {},  // ConfigurationsWindow: configurations_dialog_win.cpp
    {.className = "TForm10", .caption = "Spelling", .client = {516, 317}, .background = kWindowPurple, .position = {0, 0}, .centred = true,
     .fontKinds = kButtons | kCheckBoxes | kEdits | kGroupBoxes | kLabels, .clamp = Clamp::OnCreateAndActivation, .createOnActivation = true},
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

void WriteBackAsFilled(ClockParts& clock) {
    WriteBackHands(clock);
    WriteBackWindowSize(clock);
}

}  // namespace marvix
