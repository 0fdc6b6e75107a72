#include "dialogs/settings_windows.h"

#include <array>

#include "dialogs/alarms_dialog.h"
#include "dialogs/digital_dialog.h"
#include "dialogs/face_dialog.h"
#include "dialogs/hands_dialog.h"
#include "dialogs/phase_dialog.h"
#include "dialogs/spelling_dialog.h"

namespace marvix {

std::span<const DialogTable> AllDialogTables() {
    static const std::array<DialogTable, 6> tables = {{
        {"TForm2", kHandsDialogRows},
        {"TForm3", kPhaseDialogRows},
        {"TForm5", kFaceDialogRows},
        {"TForm6", kDigitalDialogRows},
        {"TForm7", kAlarmsDialogRows},
        {"TForm10", kSpellingDialogRows},
    }};
    return tables;
}

}  // namespace marvix
