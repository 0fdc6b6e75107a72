#include "dialogs/spelling_dialog_win.h"

#include "dialogs/spelling_dialog.h"

namespace marvix {

SpellingWindow::SpellingWindow(Application& app, const DialogLayout& layout)
    : TableDialog(app, layout, kSpellingDialogRows) {}

}  // namespace marvix
