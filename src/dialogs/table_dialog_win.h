#pragma once

// A settings window made from its table of controls: the binder. It creates the controls in table
// order (the Tab order), fills them from the settings and stores a user's change in the bound
// setting, then tells the dialog, which applies the few effects beyond the setting.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "dialogs/dialog_table.h"
#include "dialogs/row_windows_win.h"
#include "windows/settings_dialog_win.h"

namespace marvix {

// What the spin edits' caps follow, as `clock` has it now.
ClockMeasures MeasuresOf(ClockParts& clock);

class TableDialog : public SettingsDialog {
public:
    TableDialog(SettingsWindowHost& host, const DialogLayout& layout,
                std::span<const ControlRow> rows);

    // Fills every bound control from the settings, then lets the dialog fill the rest.
    void ShowSettings() final;
    // The control of that role (the first of its windows), for the dialog and for tests.
    HWND Control(ControlId id) const;
    std::span<const ControlRow> Rows() const { return rows_.Rows(); }
    // What the control's tooltip says, as the tooltips have it.
    std::string Tip(ControlId id) const;
    // What a colour panel is painted in: its colour, and its caption in one readable on it.
    struct PanelColours {
        COLORREF face;
        COLORREF caption;
    };
    PanelColours PanelColoursOf(const ControlRow& row) const;

protected:
    // Before the fill: the write-backs a dialog makes on purpose. After it: lists and the like.
    virtual void BeforeFill() {}
    virtual void AfterFill() {}
    // After a user's change has been stored in the row's setting.
    virtual void Changed(const ControlRow& row) { (void)row; }
    // A push button pressed.
    virtual void Pressed(const ControlRow& row) { (void)row; }
    // The setting a row stands for now: its own, unless the dialog points it elsewhere (the
    // alarm editor edits the alarm its number shows).
    virtual const SettingDef* Bound(const ControlRow& row) const;
    // The colour of a colour panel's caption, when the dialog says (else one readable on it).
    virtual std::optional<Colour> PanelCaption(const ControlRow& row) const {
        (void)row;
        return std::nullopt;
    }
    // What a spin edit shows of a stored value, before it is held to the bounds.
    virtual int32_t Shown(const ControlRow& row, int32_t stored) const {
        (void)row;
        return stored;
    }

    // A spin edit holding a value of the dialog's own: its value held to its bounds, and set.
    int32_t HeldValue(ControlId id) const;
    void SetFieldValue(ControlId id, int32_t value);

    // Shows the setting of the control again, behind the guard (not while it is typed in).
    void ShowControl(ControlId id);
    const ControlRow& Row(ControlId id) const;
    // What the spin edits' caps follow, as the clock has it now.
    ClockMeasures Measures() const;

    void CreateControls() override;
    void CreateControlsForShowing() override;
    bool OnCommand(int id, int notification) override;
    void EnterPressed(HWND focus) override;
    bool EscapePressed(HWND focus) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Whether a fill may set the text of the field the user is typing in: only when they leave.
    // The field left then shows the value it stored, held to its bounds; what the clock makes of
    // a derived value (a length the face overrules) comes with the next fill.
    enum class Typing { Keep, Overwrite };
    void CreateControl(const ControlRow& row);
    void ShowBounds(const ControlRow& row, SpinBounds bounds);
    void ShowRow(const ControlRow& row, Typing typing = Typing::Keep);
    void ShowSpinEdit(const ControlRow& row, const SettingDef& def, Typing typing);
    void StoreUserChange(const ControlRow& row, int item, int notification);
    // The user is done with the field: a value typed to apply when settled applies now, and the
    // field shows the value held to its bounds.
    void FieldLeft(const ControlRow& row);
    void Settle(const ControlRow& row);

    RowWindows rows_;
    std::vector<COLORREF> panelColours_;   // per row: what a colour panel shows
    std::vector<SpinBounds> shownBounds_;  // per row: the bounds its arrows and tooltip have
    HWND tips_ = nullptr;                  // the tooltips, owned by the window
    std::string focusText_;                // what the field with the focus held when it took it
    bool filling_ = false;
    const ControlRow* unsettled_ = nullptr;  // a field typed in whose value is not applied yet
};

}  // namespace marvix
