// The binder. Filling never writes: it runs behind a guard, and the notifications that setting a
// control's value sends (an edit's EN_CHANGE) are not a user's change. A field shows its value
// held to its bounds; the setting keeps what it holds until the user changes the field. A field
// the user is typing in is never filled: only leaving it (or Enter) shows it again, with the value
// the clock has (a length as the hand is drawn). Escape in a field puts back what it held when it
// took the focus.
//
// A number field lets in only what can make a number within its bounds, and its tooltip says
// them. A control that does nothing while a box is ticked is greyed (IdleWhile).
#include "dialogs/table_dialog_win.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "base/gdi_surface_win.h"
#include "base/message_seam_win.h"
#include "dialogs/row_choosers_win.h"
#include "frame/face_layout.h"
#include "settings/encodings.h"
#include "windows/accessible_win.h"
#include "windows/painted_panel_win.h"

namespace marvix {

TableDialog::TableDialog(SettingsWindowHost& host, const DialogLayout& layout,
                         std::span<const ControlRow> rows)
    : SettingsDialog(host, layout),
      rows_(rows),
      panelColours_(rows.size(), 0),
      shownBounds_(rows.size(), SpinBounds{0, -1}) {}  // none shown yet

namespace {

// Only a text that differs is set: an edit's caret and selection stay where the user left them.
// The field being typed in keeps its text unless `overwrite`: a fill then (a tick showing what it
// placed, a value the clock held to its bounds) would put the caret back at the start, and the
// next keys would land in front of the old text.
void ShowText(HWND control, const std::string& text, bool overwrite) {
    if (!overwrite && control == GetFocus()) return;
    if (WindowText(control) != text) SetWindowTextA(control, text.c_str());
}

// What the field's text reads as, held to its bounds; nothing when it is no number.
std::optional<int32_t> TypedValue(HWND field, const ControlRow& row, const ClockMeasures& clock) {
    return ReadSpinValue(WindowText(field), BoundsOf(row, clock));
}

}  // namespace

const ControlRow& TableDialog::Row(ControlId id) const { return *FindRow(rows_.Rows(), id); }

ClockMeasures MeasuresOf(ClockParts& clock) {
    return {clock.look.FaceSize(), clock.place.ScreenArea(), clock.place.Desktop()};
}

ClockMeasures TableDialog::Measures() const { return MeasuresOf(host_.Parts()); }

HWND TableDialog::Control(ControlId id) const {
    const ControlRow* row = FindRow(rows_.Rows(), id);
    return row ? rows_.WindowOf(*row) : nullptr;
}

void TableDialog::ShowSettings() {
    BeforeFill();
    for (const ControlRow& row : rows_.Rows()) ShowRow(row);
    AfterFill();
}

void TableDialog::ShowControl(ControlId id) { ShowRow(Row(id)); }

const SettingDef* TableDialog::Bound(const ControlRow& row) const {
    return row.setting ? &DefOf(*row.setting) : nullptr;
}

void TableDialog::ShowRow(const ControlRow& row, Typing typing) {
    const SettingDef* def = Bound(row);
    HWND control = rows_.WindowOf(row);
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
            for (int item = 0; item < RowWindows::kIdsPerRow - 1; ++item) {
                HWND radio = GetDlgItem(Window(), first + item);
                if (!radio) break;
                SendMessageA(radio, BM_SETCHECK, item == chosen ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            break;
        }
        case ControlType::SpinEdit: ShowSpinEdit(row, *def, typing); break;
        case ControlType::Edit:
            ShowText(control, s.*std::get<std::string ClockSettings::*>(def->field),
                     typing == Typing::Overwrite);
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
            panelColours_[rows_.IndexOf(row)] = GdiSurface::ToColorRef(value.value_or(Colour{}));
            InvalidateRect(control, nullptr, TRUE);
            DescribeControl(control, {.role = ROLE_SYSTEM_PUSHBUTTON,
                                      .name = AccessibleName(rows_.Rows(), row) + ", " +
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
            EnableWindow(GetDlgItem(Window(), GetDlgCtrlID(control) + RowWindows::kArrowsItem),
                         active);
    }
}

void TableDialog::ShowSpinEdit(const ControlRow& row, const SettingDef& def, Typing typing) {
    const SpinBounds bounds = BoundsOf(row, Measures());
    ShowBounds(row, bounds);
    const int32_t shown =
        std::clamp(Shown(row, ShownInteger(Settings(), host_.Parts().look.Layout(), def)),
                   bounds.minimum, bounds.maximum);
    ShowText(rows_.WindowOf(row), IntegerText(shown), typing == Typing::Overwrite);
}

// The cap can change with the face, so the arrows and the tooltip learn the bounds at every fill.
void TableDialog::ShowBounds(const ControlRow& row, SpinBounds bounds) {
    SpinBounds& shown = shownBounds_[rows_.IndexOf(row)];
    HWND field = rows_.WindowOf(row);
    HWND arrows = GetDlgItem(Window(), GetDlgCtrlID(field) + RowWindows::kArrowsItem);
    if (bounds == shown || !arrows) return;  // the arrows and tips come with the first showing
    shown = bounds;
    SendMessageA(arrows, UDM_SETRANGE32, WPARAM(bounds.minimum), LPARAM(bounds.maximum));
    std::string words = FieldTip(row, bounds);
    TOOLINFOA tool = ToolOf(Window(), field, words.data());
    SendMessageA(tips_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool TableDialog::OnCommand(int id, int notification) {
    const ControlRow* found = rows_.RowOfId(id);
    if (!found) return false;
    const ControlRow& row = *found;
    if (filling_) return true;
    if (notification == EN_SETFOCUS &&
        (row.type == ControlType::SpinEdit || row.type == ControlType::Edit)) {
        focusText_ = WindowText(rows_.WindowOf(row));
        return true;
    }
    const bool clicked = notification == BN_CLICKED;
    switch (row.type) {
        case ControlType::ColourPanel:
            if ((clicked || notification == BN_DOUBLECLICKED) && Bound(row) &&
                ChooseColourFor(Window(), *Bound(row), host_.Parts().model)) {
                ShowRow(row);
                Changed(row);
            }
            return true;
        case ControlType::PushButton:
            if (clicked) Pressed(row);
            return true;
        case ControlType::FontButton:
            if (clicked && ChooseFontFor(Window(), row, host_.Parts())) Changed(row);
            return true;
        case ControlType::BrowseButton:
            if (clicked) BrowseInto(Window(), row, Control(row.field));
            return true;
        default: break;
    }
    StoreUserChange(row, RowWindows::ItemOf(id), notification);
    return true;
}

void TableDialog::StoreUserChange(const ControlRow& row, int item, int notification) {
    HWND control = rows_.WindowOf(row);
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
            if (const std::optional<int32_t> typed = TypedValue(control, row, Measures())) {
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
    // The rows that do nothing while this setting holds what it holds are greyed, the others
    // brought back.
    for (const ControlRow& idle : rows_.Rows())
        if (idle.idle.setting && idle.idle.setting == row.setting) ShowRow(idle);
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
    const std::optional<int32_t> typed = TypedValue(rows_.WindowOf(row), row, Measures());
    // Typing that came back to the value in force changes nothing (no new snapshot).
    if (!typed || *typed == StoredInteger(Settings(), *Bound(row))) return;
    StoreBoundInteger(ChangeSettings(), *Bound(row), *typed);
    Changed(row);
}

// Enter in a field is the user saying "this value": it settles as when they leave the field.
void TableDialog::EnterPressed(HWND focus) {
    const ControlRow* row = rows_.RowOf(focus);
    if (row && row->type == ControlType::SpinEdit) FieldLeft(*row);
}

// Escape in a field the user has typed in puts back what it held when it took the focus, as a
// change of theirs; in a field left as it was, the window closes as usual.
bool TableDialog::EscapePressed(HWND focus) {
    const ControlRow* row = rows_.RowOf(focus);
    if (!row || (row->type != ControlType::SpinEdit && row->type != ControlType::Edit) ||
        WindowText(focus) == focusText_) {
        return false;
    }
    SetWindowTextA(focus, focusText_.c_str());
    if (row->type == ControlType::SpinEdit) Settle(*row);
    SendMessageA(focus, EM_SETSEL, 0, -1);
    return true;
}

int32_t TableDialog::HeldValue(ControlId id) const {
    const ControlRow& row = Row(id);
    return HeldSpinValue(WindowText(rows_.WindowOf(row)), BoundsOf(row, Measures()));
}

void TableDialog::SetFieldValue(ControlId id, int32_t value) {
    filling_ = true;
    ShowText(Control(id), IntegerText(value), true);
    filling_ = false;
}

LRESULT TableDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        const ControlRow* row = rows_.RowOfId(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        return ColourStaticOn(reinterpret_cast<HDC>(wParam), row, Layout().background,
                              BackgroundBrush());
    }
    // A colour panel: its colour, its caption in a colour readable on it, and the focus frame.
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const ControlRow* row = rows_.RowOfId(static_cast<int>(item.CtlID));
        if (row && row->type == ControlType::ColourPanel) {
            const auto [face, caption] = PanelColoursOf(*row);
            PaintPanel(item, std::string(row->caption).c_str(), {face, caption, 0, nullptr});
        }
        return TRUE;
    }
    // The arrows have stepped their field (with the mouse or the arrow keys): a value to apply
    // at once, unlike one typed.
    if (message == WM_VSCROLL && lParam) {
        HWND field = GetDlgItem(
            Window(), GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) - RowWindows::kArrowsItem);
        if (const ControlRow* row = rows_.RowOf(field); row && LOWORD(wParam) == SB_THUMBPOSITION)
            Settle(*row);
        return 0;
    }
    return SettingsDialog::HandleMessage(message, wParam, lParam);
}

}  // namespace marvix
