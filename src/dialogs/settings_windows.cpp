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
        {.className = "TForm2", .rows = kHandsDialogRows},
        {.className = "TForm3", .rows = kPhaseDialogRows},
        {.className = "TForm5", .rows = kFaceDialogRows},
        {.className = "TForm6", .rows = kDigitalDialogRows},
        {.className = "TForm7", .rows = kAlarmsDialogRows},
        {.className = "TForm10", .rows = kSpellingDialogRows},
    }};
    return tables;
}

}  // namespace marvix
