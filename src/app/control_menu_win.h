#pragma once

// TForm4, the control menu: a column of ten coloured panels that open the settings windows, the
// help, the system's date and time settings, or stop the program.

#include "app/settings_dialog_win.h"

namespace marvix {

class TForm4 final : public SettingsDialog {
public:
    explicit TForm4(Application& app);

    // The panels' control identifiers, named after the panels.
    // clang-format off
    enum PanelId {
        Panel1 = 101, Panel2, Panel3, Panel4, Panel5, Panel6, Panel7, Panel8, Panel9, Panel10,
    };
    // clang-format on
    // Runs a panel's click, as a click on it does.
    void PanelClick(int panel);

protected:
    void CreateControls() override;
    bool OnCommand(int id, int notification) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DrawPanel(const DRAWITEMSTRUCT& item);
};

}  // namespace marvix
