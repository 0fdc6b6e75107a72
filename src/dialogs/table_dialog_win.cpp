#include "dialogs/table_dialog_win.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "base/gdi_surface_win.h"
#include "base/message_seam_win.h"
#include "frame/face_layout.h"
#include "settings/encodings.h"
#include "windows/accessible_win.h"

namespace marvix {

TableDialog::TableDialog(SettingsWindowHost& host, const DialogLayout& layout,
                         std::span<const ControlRow> rows)
    : SettingsDialog(host, layout),
      rows_(rows),
      windows_(rows.size(), nullptr),
      panelColours_(rows.size(), 0),
      shownBounds_(rows.size(), SpinBounds{0, -1}) {}  // none shown yet

const ControlRow& TableDialog::Row(ControlId id) const { return *FindRow(rows_, id); }

ClockMeasures MeasuresOf(ClockParts& clock) {
    return {clock.look.FaceSize(), clock.place.ScreenArea(), clock.place.Desktop()};
}

ClockMeasures TableDialog::Measures() const { return MeasuresOf(host_.Parts()); }

HWND TableDialog::Control(ControlId id) const {
    const ControlRow* row = FindRow(rows_, id);
    return row ? windows_[IndexOf(*row)] : nullptr;
}

void TableDialog::ShowSettings() {
    BeforeFill();
    for (const ControlRow& row : rows_) ShowRow(row);
    AfterFill();
}

void TableDialog::ShowControl(ControlId id) { ShowRow(Row(id)); }

const SettingDef* TableDialog::Bound(const ControlRow& row) const {
    return row.setting ? &DefOf(*row.setting) : nullptr;
}

const ControlRow* TableDialog::RowOfId(int id) const {
    const size_t index =
        id >= kFirstId ? static_cast<size_t>((id - kFirstId) / kIdsPerRow) : rows_.size();
    return index < rows_.size() ? &rows_[index] : nullptr;
}

const ControlRow* TableDialog::RowOf(HWND control) const {
    const auto window = std::find(windows_.begin(), windows_.end(), control);
    return window == windows_.end() ? nullptr : &rows_[size_t(window - windows_.begin())];
}

void TableDialog::ShowRow(const ControlRow& row, Typing typing) {
    const SettingDef* def = Bound(row);
    HWND control = windows_[IndexOf(row)];
    if (!def || !control) return;
    const ClockSettings& s = Settings();
    filling_ = true;
    switch (row.type) {
        case ControlType::CheckBox:
            SendMessageA(control, BM_SETCHECK, IsTicked(s, row, *def), 0);
            break;
        case ControlType::RadioGroup: {
            // A value with no item of its own selects none, and stays stored as it is.
            const int32_t chosen = s.*std::get<int32_t ClockSettings::*>(def->field);
            const int first = GetDlgCtrlID(control);
            for (int item = 0; item < kIdsPerRow - 1; ++item) {
                HWND radio = GetDlgItem(Window(), first + item);
                if (!radio) break;
                SendMessageA(radio, BM_SETCHECK, item == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            break;
        }
        case ControlType::SpinEdit: ShowSpinEdit(row, *def, typing); break;
        case ControlType::Edit:
            ShowText(control, s.*std::get<std::string ClockSettings::*>(def->field), typing);
            break;
        case ControlType::ColourPanel: {
            // A text that names no colour (a registry or file may hold one) shows the default
            // colour, is reported once, and stays stored as it is.
            const ColourSetting& colour = s.*std::get<ColourSetting ClockSettings::*>(def->field);
            std::optional<Colour> value = ParseColour(colour.text);
            if (!value) {
                ReportFailureOnce(NotAnIntegerMessage(colour.text));
                value = ParseColour(def->defaultText);
            }
            panelColours_[IndexOf(row)] = GdiSurface::ToColorRef(value.value_or(Colour{}));
            InvalidateRect(control, nullptr, TRUE);
            DescribeControl(control, {.role = ROLE_SYSTEM_PUSHBUTTON,
                                      .name = AccessibleName(rows_, row) + ", " +
                                              ColourInWords(value.value_or(Colour{}))});
            break;
        }
        default: break;
    }
    filling_ = false;
    if (row.idle.setting) {
        const BOOL active = !IsIdle(row, s);
        EnableWindow(control, active);
        if (row.type == ControlType::SpinEdit)
            EnableWindow(GetDlgItem(Window(), GetDlgCtrlID(control) + kArrowsItem), active);
    }
}

void TableDialog::ShowIdleRows(const ControlRow& box) {
    for (const ControlRow& row : rows_) {
        if (row.idle.setting && row.idle.setting == box.setting) ShowRow(row);
    }
}

void TableDialog::ShowSpinEdit(const ControlRow& row, const SettingDef& def, Typing typing) {
    const SpinBounds bounds = BoundsOf(row, Measures());
    ShowBounds(row, bounds);
    const int32_t shown =
        std::clamp(Shown(row, ShownInteger(Settings(), host_.Parts().look.Layout(), def)),
                   bounds.minimum, bounds.maximum);
    ShowText(windows_[IndexOf(row)], IntegerText(shown), typing);
}

// The cap can change with the face, so the arrows and the tooltip learn the bounds at every fill.
void TableDialog::ShowBounds(const ControlRow& row, SpinBounds bounds) {
    SpinBounds& shown = shownBounds_[IndexOf(row)];
    HWND field = windows_[IndexOf(row)];
    HWND arrows = GetDlgItem(Window(), GetDlgCtrlID(field) + kArrowsItem);
    if (bounds == shown || !arrows) return;  // the arrows and tips come with the first showing
    shown = bounds;
    SendMessageA(arrows, UDM_SETRANGE32, WPARAM(bounds.minimum), LPARAM(bounds.maximum));
    std::string words = FieldTip(row, bounds);
    TOOLINFOA tool = TipOf(field, words.data());
    SendMessageA(tips_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

// Only a text that differs is set: an edit's caret and selection stay where the user left them.
// The field being typed in keeps its text: a fill then (a tick showing what it placed, a value
// the clock held to its bounds) would put the caret back at the start, and the next keys would
// land in front of the old text.
void TableDialog::ShowText(HWND control, const std::string& text, Typing typing) {
    if (typing == Typing::Keep && control == GetFocus()) return;
    if (WindowText(control) != text) SetWindowTextA(control, text.c_str());
}

bool TableDialog::OnCommand(int id, int notification) {
    const ControlRow* found = RowOfId(id);
    if (!found) return false;
    const ControlRow& row = *found;
    const int item = (id - kFirstId) % kIdsPerRow;
    if (filling_) return true;
    if (notification == EN_SETFOCUS &&
        (row.type == ControlType::SpinEdit || row.type == ControlType::Edit)) {
        focusText_ = WindowText(windows_[IndexOf(row)]);
        return true;
    }
    switch (row.type) {
        case ControlType::ColourPanel:
            if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED)
                ColourPanelClick(row);
            return true;
        case ControlType::PushButton:
            if (notification == BN_CLICKED) Pressed(row);
            return true;
        case ControlType::FontButton:
            if (notification == BN_CLICKED) FontButtonClick(row);
            return true;
        case ControlType::BrowseButton:
            if (notification == BN_CLICKED) Browse(row);
            return true;
        default: break;
    }
    StoreUserChange(row, item, notification);
    return true;
}

void TableDialog::StoreUserChange(const ControlRow& row, int item, int notification) {
    HWND control = windows_[IndexOf(row)];
    const SettingDef* def = Bound(row);
    if (!def) {
        // A value the dialog holds itself: a box it acts on when clicked, or a field held to its
        // bounds and shown held when the user leaves.
        if (row.type == ControlType::CheckBox && notification == BN_CLICKED) Changed(row);
        if (row.type != ControlType::SpinEdit) return;
        if (notification == EN_KILLFOCUS) {
            FieldLeft(row);
        } else if (notification == EN_CHANGE) {
            Changed(row);
        }
        return;
    }
    ClockSettings& s = ChangeSettings();
    switch (row.type) {
        case ControlType::CheckBox:
            if (notification != BN_CLICKED) return;
            SetTicked(s, row, *def, SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
            break;
        case ControlType::RadioGroup:
            if (notification != BN_CLICKED || item == 0) return;
            s.*std::get<int32_t ClockSettings::*>(def->field) = item - 1;
            break;
        case ControlType::SpinEdit:
            // Typed text reaches the setting only held to the bounds; the field shows the held
            // value once the user leaves it.
            if (notification == EN_KILLFOCUS) {
                FieldLeft(row);
                return;
            }
            if (notification != EN_CHANGE) return;
            if (row.apply == Apply::WhenSettled) {
                unsettled_ = &row;
                return;
            }
            // An entry that is no number (emptied, "7x") never reaches the setting: leaving the
            // field shows the value the clock has again.
            if (const std::optional<int32_t> typed = TypedValue(row)) {
                StoreBoundInteger(s, *def, *typed);
                break;
            }
            return;
        case ControlType::Edit:
            if (notification != EN_CHANGE) return;
            s.*std::get<std::string ClockSettings::*>(def->field) = WindowText(control);
            break;
        default: return;
    }
    Changed(row);
    ShowIdleRows(row);
}

void TableDialog::FieldLeft(const ControlRow& row) {
    if (!Bound(row)) {
        SetFieldValue(row.id, HeldValue(row.id));
        return;
    }
    Settle(row);
    ShowRow(row, Typing::Overwrite);
}

void TableDialog::Settle(const ControlRow& row) {
    if (unsettled_ != &row) return;
    unsettled_ = nullptr;
    const std::optional<int32_t> typed = TypedValue(row);
    // Typing that came back to the value in force changes nothing (no new snapshot).
    if (!typed || *typed == StoredInteger(Settings(), *Bound(row))) return;
    StoreBoundInteger(ChangeSettings(), *Bound(row), *typed);
    Changed(row);
}

// Enter in a field is the user saying "this value": it settles as when they leave the field.
void TableDialog::EnterPressed(HWND focus) {
    const ControlRow* row = RowOf(focus);
    if (row && row->type == ControlType::SpinEdit) FieldLeft(*row);
}

// Escape in a field the user has typed in puts back what it held when it took the focus, as a
// change of theirs; in a field left as it was, the window closes as usual.
bool TableDialog::EscapePressed(HWND focus) {
    const ControlRow* row = RowOf(focus);
    if (!row || (row->type != ControlType::SpinEdit && row->type != ControlType::Edit) ||
        WindowText(focus) == focusText_) {
        return false;
    }
    SetWindowTextA(focus, focusText_.c_str());
    if (row->type == ControlType::SpinEdit) Settle(*row);
    SendMessageA(focus, EM_SETSEL, 0, -1);
    return true;
}

bool TableDialog::LetsIn(HWND field, char typed) const {
    const ControlRow* row = RowOf(field);
    if (!row) return true;
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    return TypedCharacterFits(WindowText(field), start, end, typed, BoundsOf(*row, Measures()));
}

std::optional<int32_t> TableDialog::TypedValue(const ControlRow& row) const {
    return ReadSpinValue(WindowText(windows_[IndexOf(row)]), BoundsOf(row, Measures()));
}

int32_t TableDialog::HeldValue(ControlId id) const {
    const ControlRow& row = Row(id);
    return HeldSpinValue(WindowText(windows_[IndexOf(row)]), BoundsOf(row, Measures()));
}

void TableDialog::SetFieldValue(ControlId id, int32_t value) {
    filling_ = true;
    ShowText(Control(id), IntegerText(value), Typing::Overwrite);
    filling_ = false;
}

LRESULT TableDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        return ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    }
    if (message == WM_DRAWITEM) {
        DrawColourPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    // The arrows have stepped their field (with the mouse or the arrow keys): a value to apply
    // at once, unlike one typed.
    if (message == WM_VSCROLL && lParam) {
        HWND field =
            GetDlgItem(Window(), GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - kArrowsItem);
        if (const ControlRow* row = RowOf(field); row && LOWORD(wParam) == SB_THUMBPOSITION)
            Settle(*row);
        return 0;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
