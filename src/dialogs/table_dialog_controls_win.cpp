// The binder's controls, made from the table: every row's window in table order (the Tab order),
// and the spin edits' arrows when the window first shows.
#include "dialogs/table_dialog_win.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "base/lazy_library_win.h"
#include "base/message_seam_win.h"
#include "windows/accessible_win.h"
#include "windows/control_hook_win.h"

namespace marvix {

namespace {

ControlKind FontKindOf(ControlType type) {
    switch (type) {
        case ControlType::Label: return kLabels;
        case ControlType::CheckBox: return kCheckBoxes;
        case ControlType::RadioGroup: return kRadioGroups;
        case ControlType::SpinEdit: return kSpinEdits;
        case ControlType::Edit: return kEdits;
        case ControlType::ColourPanel: return kPanels;
        case ControlType::FontButton:
        case ControlType::PushButton:
        case ControlType::BrowseButton: return kButtons;
        case ControlType::List: return kLists;
        case ControlType::Separator: return kPanels;
    }
    return kLabels;
}

std::vector<std::string> Items(std::string_view items) {
    std::vector<std::string> split;
    while (!items.empty()) {
        const size_t bar = items.find('|');
        split.emplace_back(items.substr(0, bar));
        items = bar == std::string_view::npos ? std::string_view{} : items.substr(bar + 1);
    }
    return split;
}

// Whether a key typed in a number field may go in.
bool LetsIn(HWND field, const ControlRow& row, const ClockMeasures& clock, char typed) {
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return TypedCharacterFits(WindowText(field), start, end, typed, BoundsOf(row, clock));
}

}  // namespace

void TableDialog::CreateControls() {
    for (const ControlRow& row : rows_.Rows()) CreateControl(row);
    // The design font for every control; ApplyDialogFont then gives its kinds the font for the screen.
    const HFONT font = Font();
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageA(child, WM_SETFONT, WPARAM(font), FALSE);
    }
}

void TableDialog::CreateControl(const ControlRow& row) {
    const int id = rows_.FirstId(row);
    const ControlKind kind = FontKindOf(row.type);
    const std::string caption(row.caption);
    const Rect& r = row.place;
    // Every control starts a group of its own, so the arrow keys stay within a radio group.
    constexpr DWORD kTab = WS_TABSTOP | WS_GROUP;
    HWND& control = rows_.WindowOf(row);
    switch (row.type) {
        case ControlType::Label:
            control = Controls().Add(kind, "STATIC", caption.c_str(), SS_LEFT | WS_GROUP, r, id);
            break;
        case ControlType::CheckBox:
            control =
                Controls().Add(kind, "BUTTON", caption.c_str(), BS_AUTOCHECKBOX | kTab, r, id);
            break;
        case ControlType::RadioGroup: {
            // The heading as a label: Wine paints a group box's inside black on a coloured window.
            Controls().Add(kGroupBoxes, "STATIC", caption.c_str(), SS_LEFT | WS_GROUP,
                           Rect::At({r.left, r.top}, {r.Width(), 14}), id);
            int item = 0;
            for (const std::string& text : Items(row.items)) {
                const Rect at =
                    Rect::At({r.left + 8, r.top + 16 + 18 * item}, {r.Width() - 16, 17});
                HWND radio =
                    Controls().Add(kind, "BUTTON", text.c_str(),
                                   BS_AUTORADIOBUTTON | (item == 0 ? kTab : 0), at, id + 1 + item);
                DescribeControl(radio, {.name = AccessibleName(rows_.Rows(), row, text),
                                        .description = std::string(row.tip)});
                if (item++ == 0) control = radio;
            }
            return;
        }
        case ControlType::SpinEdit:  // its arrows come when the window first shows
        case ControlType::Edit:
            control = Controls().Add(kind, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | kTab, r, id);
            if (row.type == ControlType::Edit && row.maximum > 0)
                SendMessageA(control, EM_LIMITTEXT, WPARAM(row.maximum), 0);
            break;
        case ControlType::ColourPanel:
            // A button the dialog paints in the colour: it takes the focus, and Space or Enter
            // opens the chooser as a click does.
            control = Controls().Add(kind, "BUTTON", caption.c_str(),
                                     BS_OWNERDRAW | WS_BORDER | kTab, r, id);
            break;
        case ControlType::FontButton:
        case ControlType::PushButton:
        case ControlType::BrowseButton:
            control = Controls().Add(kind, "BUTTON", caption.c_str(), BS_PUSHBUTTON | kTab, r, id);
            break;
        case ControlType::Separator: {
            // An etched line's window grows two pixels along it: asked two short, it reaches the
            // window's edge and stays inside it.
            const bool across = r.Width() >= r.Height();
            const Rect line = across ? Rect{r.left, r.top, r.right - 2, r.bottom}
                                     : Rect{r.left, r.top, r.right, r.bottom - 2};
            control = Controls().Add(kind, "STATIC", "", across ? SS_ETCHEDHORZ : SS_ETCHEDVERT,
                                     line, id);
            break;
        }
        case ControlType::List:
            control = Controls().Add(
                kind, "LISTBOX", "",
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | kTab, r, id);
            break;
    }
    // Named for screen readers; a colour panel's name takes its colour when it is filled.
    if (row.type != ControlType::Label && row.type != ControlType::Separator)
        DescribeControl(control, {.name = AccessibleName(rows_.Rows(), row),
                                  .description = std::string(row.tip)});
    // Keys that cannot make a number never reach a number field.
    if (row.type == ControlType::SpinEdit) {
        HookControl(
            control, "number field",
            [this, &row](HWND field, UINT message, WPARAM wParam,
                         LPARAM) -> std::optional<LRESULT> {
                if (message != WM_CHAR || LetsIn(field, row, Measures(), static_cast<char>(wParam)))
                    return std::nullopt;
                MessageBeep(MB_OK);  // as an edit for numbers only does: heard, refused
                return 0;
            });
    }
}

// The spin edits' arrows are the only common control: the DLL that has them (and those it
// brings) loads with the first settings window shown, not with the clock.
void TableDialog::CreateControlsForShowing() {
    EnsureCommonControls();
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, Window(), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    for (const ControlRow& row : rows_.Rows()) {
        // A field's tooltip says its bounds, which ShowBounds gives it with the arrows'.
        HWND field = rows_.WindowOf(row);
        if (row.type == ControlType::SpinEdit && field &&
            Controls().AddArrows(field, row.place, GetDlgCtrlID(field) + RowWindows::kArrowsItem)) {
            TOOLINFOA tool = ToolOf(Window(), field, const_cast<char*>(""));
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
            ShowBounds(row, BoundsOf(row, Measures()));
        }
        // A terse caption's sentence, on each of a radio group's items.
        if (row.type == ControlType::SpinEdit || row.tip.empty()) continue;
        std::string text(row.tip);
        const int first = GetDlgCtrlID(field);
        const int items = row.type == ControlType::RadioGroup ? RowWindows::kIdsPerRow - 1 : 1;
        for (int item = 0; item < items; ++item) {
            HWND control = GetDlgItem(Window(), first + item);
            if (!control) break;
            TOOLINFOA tool = ToolOf(Window(), control, text.data());
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

std::string TableDialog::Tip(ControlId id) const {
    // Older tooltips copy the whole text whatever room is given: room for far more than a
    // sentence and its bounds.
    char text[512] = {};
    TOOLINFOA tool = ToolOf(Window(), Control(id), text);
    SendMessageA(tips_, TTM_GETTEXTA, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

}  // namespace marvix
