#include "dialogs/spelling_dialog_win.h"

#include "dialogs/spelling_dialog.h"

namespace marvix {

SpellingWindow::SpellingWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kSpellingDialogRows) {}

}  // namespace marvix
