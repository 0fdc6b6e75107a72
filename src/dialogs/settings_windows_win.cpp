#include "app/settings_windows_win.h"

#include "dialogs/alarms_dialog_win.h"
#include "dialogs/configurations_dialog_win.h"
#include "dialogs/digital_dialog_win.h"
#include "dialogs/face_dialog_win.h"
#include "dialogs/hands_dialog_win.h"
#include "dialogs/phase_dialog_win.h"
#include "dialogs/spelling_dialog_win.h"

namespace marvix {

std::unique_ptr<SettingsDialog> MakeSettingsWindow(Application& app, DialogId id) {
    switch (id) {
        case DialogId::Hands: return std::make_unique<TForm2>(app);
        case DialogId::Phases: return std::make_unique<TForm3>(app);
        case DialogId::Face: return std::make_unique<TForm5>(app);
        case DialogId::Digital: return std::make_unique<TForm6>(app);
        case DialogId::Alarms: return std::make_unique<TForm7>(app);
        case DialogId::Configurations: return std::make_unique<TForm8>(app);
        case DialogId::Spelling: return std::make_unique<TForm10>(app);
    }
    return nullptr;
}

}  // namespace marvix
