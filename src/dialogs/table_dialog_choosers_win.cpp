// The binder's controls that open a chooser: a colour panel (painted in its colour, with a caption
// readable on it), a display's Font button, and Browse for a file's path.
#include "base/gdi_surface_win.h"
#include "dialogs/table_dialog_win.h"
#include "windows/accessible_win.h"
#include "windows/choosers_win.h"
#include "windows/painted_panel_win.h"

namespace marvix {

void TableDialog::ColourPanelClick(const ControlRow& row) {
    const SettingDef* def = Bound(row);
    if (!def) return;
    const auto field = std::get<ColourSetting ClockSettings::*>(def->field);
    // A cancelled chooser writes nothing: the text stays as stored, a system colour included.
    const std::optional<Colour> picked = PickColour(Window(), (Settings().*field).value);
    if (!picked) return;
    ChangeSettings().*field = {ColourText(*picked), *picked};
    ShowRow(row);
    Changed(row);
}

void TableDialog::FontButtonClick(const ControlRow& row) {
    const FontSlotFields* slot = row.setting ? FontSlotOf(*row.setting) : nullptr;
    if (!slot) return;
    const ClockSettings& s = Settings();
    // The chooser opens on the font the display is drawn in: with no face stored, that is the
    // surface's own, and OK without a change must leave the display as it is.
    const std::string& drawn =
        host_.Parts().look.ReadDisplayFonts()[size_t(slot - kFontSlots.data())].face;
    const std::string face = !(s.*slot->face).empty() ? s.*slot->face
                             : !drawn.empty()         ? drawn
                                                      : GdiSurface::kDefaultFace;
    const FontChoice initial{face, s.*slot->size, s.*slot->style, (s.*slot->colour).value};
    // A cancelled chooser writes nothing: what it was opened with is no choice of the user's.
    const std::optional<FontChoice> picked = PickFont(Window(), initial);
    if (!picked) return;
    ClockSettings& changed = ChangeSettings();
    changed.*slot->face = picked->face;
    changed.*slot->size = picked->pointSize;
    changed.*slot->style = picked->style;
    changed.*slot->colour = {ColourText(picked->colour), picked->colour};
    Changed(row);
}

void TableDialog::Browse(const ControlRow& row) {
    HWND field = Control(row.field);
    const std::optional<std::string> picked =
        PickFile(Window(), {std::string(row.items), WindowText(field), {}});
    // Set outside the guard: the field's EN_CHANGE stores the pick as a user's change. A cancel
    // changes nothing.
    if (picked) SetWindowTextA(field, picked->c_str());
}

LRESULT TableDialog::ColourStatic(HDC dc, HWND control) {
    const ControlRow* row = RowOfId(GetDlgCtrlID(control));
    // The table's colour where it reads on the window's background, else black or white.
    SetTextColor(dc, row ? ReadableOn(Colour{Layout().background}, Colour{row->colour}).value
                         : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, Layout().background);
    // A real brush: buttons may paint with it in a DC of their own, where a DC brush's colour
    // would not be the one set here.
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

TableDialog::PanelColours TableDialog::PanelColoursOf(const ControlRow& row) const {
    const COLORREF face = panelColours_[IndexOf(row)];
    const std::optional<Colour> wanted = PanelCaption(row);
    const Colour caption =
        ReadableOn(Colour{face},
                   wanted ? std::optional(Colour{GdiSurface::ToColorRef(*wanted)}) : std::nullopt);
    return {face, caption.value};
}

// A colour panel: its colour, its caption in a colour readable on it, and the focus frame.
void TableDialog::DrawColourPanel(const DRAWITEMSTRUCT& item) {
    const ControlRow* row = RowOfId(static_cast<int>(item.CtlID));
    if (!row || row->type != ControlType::ColourPanel) return;
    const auto [face, caption] = PanelColoursOf(*row);
    PaintPanel(item, std::string(row->caption).c_str(), {face, caption, 0, nullptr});
}

}  // namespace marvix
