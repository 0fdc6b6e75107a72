#include "dialogs/digital_dialog_win.h"

#include "dialogs/digital_dialog.h"
#include "digital/digital_displays.h"

namespace marvix {

namespace {

constexpr std::array<int32_t, 2> kNothingShown = {INT32_MIN, INT32_MIN};

DigitalControl RoleOf(const ControlRow& row) { return static_cast<DigitalControl>(row.id.role); }

}  // namespace

DigitalWindow::DigitalWindow(SettingsWindowHost& host, const DialogLayout& layout)
    : TableDialog(host, layout, kDigitalDialogRows) {}

// The slots are shown as stored, even in a clock that was never activated.
void DigitalWindow::BeforeFill() {
    host_.Parts().look.ReadDisplayFonts();
    shownPlaces_.fill(kNothingShown);
}

// A panel is the display's background with the caption in the display's text colour.
std::optional<Colour> DigitalWindow::PanelCaption(const ControlRow& row) const {
    if (RoleOf(row) != DigitalControl::Colour) return std::nullopt;
    return (host_.Parts().model.Settings().*kFontSlots[row.id.index].colour).value;
}

void DigitalWindow::Changed(const ControlRow& row) {
    const size_t d = row.id.index;
    ClockSettings& s = ChangeSettings();
    const DisplaySpec& display = kDisplays[d];
    if (row.effect == Effect::PlaceByHand && !(s.*display.autoPlace)) {
        // Placed by hand from now on, where it was last placed: the position the fields show.
        s.*display.x = HeldValue(IdOf(DigitalControl::Left, d));
        s.*display.y = HeldValue(IdOf(DigitalControl::Top, d));
    } else if (row.effect == Effect::DisplayFont) {
        host_.Parts().look.ApplyDisplayFont(d);
        ShowControl(IdOf(DigitalControl::Colour, d));
    }
}

// "L", "M", "U": the button's case setting takes the button's case.
void DigitalWindow::Pressed(const ControlRow& row) {
    if (row.effect != Effect::LetterCase || !row.setting) return;
    ChangeSettings().*std::get<int32_t ClockSettings::*>(DefOf(*row.setting).field) =
        LetterCaseOf(RoleOf(row));
}

// Called after every frame: up to a hundred times a second in smooth mode, so a field is touched
// only when its display has moved since the field last showed it.
void DigitalWindow::ShowLiveValues() {
    const ClockSettings& s = Settings();
    const FaceLayout& layout = host_.Parts().look.Layout();
    for (size_t d = 0; d < kAutoPlacedDisplays; ++d) {
        if (!(s.*kDisplays[d].autoPlace)) continue;
        std::array<int32_t, 2>& shown = shownPlaces_[d];
        const std::array<int32_t, 2> now = {layout.displays[d].x, layout.displays[d].y};
        if (now == shown) continue;
        shown = now;
        ShowControl(IdOf(DigitalControl::Left, d));
        ShowControl(IdOf(DigitalControl::Top, d));
    }
}

}  // namespace marvix
