#include "dialogs/spelling_dialog_win.h"

#include "dialogs/spelling_dialog.h"

namespace marvix {

TForm10::TForm10(Application& app, const DialogLayout& layout)
    : TableDialog(app, layout, kSpellingDialogRows) {}

}  // namespace marvix
