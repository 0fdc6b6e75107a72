#pragma once

// DigitalWindow, "Marvix Digital Displays": a column per display. While it is open, the positions the
// tick gives the auto-placed displays show in their Left and Top fields.

#include <array>
#include <climits>

#include "dialogs/table_dialog_win.h"

namespace marvix {

class DigitalWindow final : public TableDialog {
public:
    DigitalWindow(SettingsWindowHost& host, const DialogLayout& layout);
    void ShowLiveValues() override;

protected:
    std::optional<Colour> PanelCaption(const ControlRow& row) const override;
    void BeforeFill() override;
    void Changed(const ControlRow& row) override;
    void Pressed(const ControlRow& row) override;

private:
    // What the Left and Top fields of each display last showed of a placed position.
    std::array<std::array<int32_t, 2>, 12> shownPlaces_{};
};

}  // namespace marvix
