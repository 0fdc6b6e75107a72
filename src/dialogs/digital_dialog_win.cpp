#include "dialogs/digital_dialog_win.h"

#include "dialogs/digital_dialog.h"
#include "digital/digital_displays.h"

namespace marvix {

namespace {

constexpr std::array<int32_t, 2> kNothingShown = {INT32_MIN, INT32_MIN};

// The column whose control that is, by any of its special controls.
const DigitalColumn* ColumnOf(std::string_view control) {
    for (const DigitalColumn& column : kDigitalColumns) {
        if (control == column.autoPlace || control == column.panel || control == column.font)
            return &column;
    }
    return nullptr;
}

}  // namespace

DigitalWindow::DigitalWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kDigitalDialogRows) {}

// The slots are shown as stored, even in a clock that was never activated.
void DigitalWindow::BeforeFill() {
    host_.Clock().ReadDisplayFonts();
    shownPlaces_.fill(kNothingShown);
}

// A panel is the display's background with the caption in the display's text colour.
std::optional<Colour> DigitalWindow::PanelCaption(const ControlRow& row) const {
    const DigitalColumn* column = ColumnOf(row.name);
    if (!column) return std::nullopt;
    return (host_.Clock().Settings().*kFontSlots[column->display].colour).value;
}

void DigitalWindow::Changed(const ControlRow& row) {
    const DigitalColumn* column = ColumnOf(row.name);
    if (!column) return;
    ClockSettings& s = ChangeSettings();
    const DisplaySpec& display = kDisplays[column->display];
    if (row.effect == Effect::PlaceByHand && !(s.*display.autoPlace)) {
        // Placed by hand from now on, where it was last placed: the position the fields show.
        s.*display.x = HeldValue(column->left);
        s.*display.y = HeldValue(column->top);
    } else if (row.effect == Effect::DisplayFont) {
        host_.Clock().ApplyDisplayFont(column->display);
        ShowControl(column->panel);
    }
}

void DigitalWindow::Pressed(const ControlRow& row) {
    if (row.effect != Effect::LetterCase) return;
    // Which case setting the button sets, and to what, is the button's own.
    for (const CaseButton& button : kCaseButtons) {
        if (row.name != button.name) continue;
        ChangeSettings().*std::get<int32_t ClockSettings::*>(FindSetting(button.setting)->field) =
            button.value;
    }
}

// Called after every frame: up to a hundred times a second in smooth mode, so a field is touched
// only when its display has moved since the field last showed it.
void DigitalWindow::ShowLiveValues() {
    const ClockSettings& s = Settings();
    for (const DigitalColumn& column : kDigitalColumns) {
        const DisplaySpec& display = kDisplays[column.display];
        if (column.display >= kAutoPlacedDisplays || !(s.*display.autoPlace)) continue;
        std::array<int32_t, 2>& shown = shownPlaces_[column.display];
        const std::array<int32_t, 2> now = {s.*display.x, s.*display.y};
        if (now == shown) continue;
        shown = now;
        ShowControl(column.left);
        ShowControl(column.top);
    }
}

}  // namespace marvix
