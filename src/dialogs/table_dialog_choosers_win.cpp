// The binder's controls that open a chooser: a colour panel, a display's Font button, and Browse
// for a file's path; and the colours static texts and colour panels are painted in.
#include "base/gdi_surface_win.h"
#include "dialogs/row_choosers_win.h"
#include "dialogs/table_dialog_win.h"
#include "windows/accessible_win.h"
#include "windows/choosers_win.h"
#include "windows/painted_panel_win.h"

namespace marvix {

bool ChooseColourFor(HWND owner, const SettingDef& def, ClockModel& model) {
    const auto field = std::get<ColourSetting ClockSettings::*>(def.field);
    const std::optional<Colour> picked = PickColour(owner, (model.Settings().*field).value);
    if (!picked) return false;
    model.Edit().*field = {ColourText(*picked), *picked};
    return true;
}

bool ChooseFontFor(HWND owner, const ControlRow& row, ClockParts& clock) {
    const FontSlotFields* slot = row.setting ? FontSlotOf(*row.setting) : nullptr;
    if (!slot) return false;
    const ClockSettings& s = clock.model.Settings();
    // The chooser opens on the font the display is drawn in: with no face stored, that is the
    // surface's own, and OK without a change must leave the display as it is.
    const std::string& drawn = clock.look.ReadDisplayFonts()[size_t(slot - kFontSlots.data())].face;
    const std::string face = !(s.*slot->face).empty() ? s.*slot->face
                             : !drawn.empty()         ? drawn
                                                      : GdiSurface::kDefaultFace;
    const FontChoice initial{face, s.*slot->size, s.*slot->style, (s.*slot->colour).value};
    // A cancelled chooser writes nothing: what it was opened with is no choice of the user's.
    const std::optional<FontChoice> picked = PickFont(owner, initial);
    if (!picked) return false;
    ClockSettings& changed = clock.model.Edit();
    changed.*slot->face = picked->face;
    changed.*slot->size = picked->pointSize;
    changed.*slot->style = picked->style;
    changed.*slot->colour = {ColourText(picked->colour), picked->colour};
    return true;
}

void BrowseInto(HWND owner, const ControlRow& row, HWND field) {
    const std::optional<std::string> picked =
        PickFile(owner, {std::string(row.items), WindowText(field), {}});
    // Set outside the guard: the field's EN_CHANGE stores the pick as a user's change.
    if (picked) SetWindowTextA(field, picked->c_str());
}

LRESULT ColourStaticOn(HDC dc, const ControlRow* row, uint32_t background, HBRUSH brush) {
    SetTextColor(dc, row ? ReadableOn(Colour{background}, Colour{row->colour}).value
                         : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, background);
    // A real brush: buttons may paint with it in a DC of their own, where a DC brush's colour
    // would not be the one set here.
    return reinterpret_cast<LRESULT>(brush);
}

TableDialog::PanelColours TableDialog::PanelColoursOf(const ControlRow& row) const {
    const COLORREF face = panelColours_[rows_.IndexOf(row)];
    const std::optional<Colour> wanted = PanelCaption(row);
    const Colour caption =
        ReadableOn(Colour{face},
                   wanted ? std::optional(Colour{GdiSurface::ToColorRef(*wanted)}) : std::nullopt);
    return {face, caption.value};
}

}  // namespace marvix
