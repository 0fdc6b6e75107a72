#pragma once

// What the settings-dialog tests share: the program started as at start, and a user's actions
// on one dialog's controls by their names.

#include <windows.h>

#include <string>
#include <vector>

#include "clock_fixture_win.h"
#include "dialogs/table_dialog_win.h"
#include "settings/settings_table.h"

namespace marvix {

class DialogFixture : public ClockFixture {
protected:
    explicit DialogFixture(DialogId dialog) : dialog_(dialog) {}

    TableDialog& Dialog() { return static_cast<TableDialog&>(app_->Dialog(dialog_)); }
    TableDialog& Open() {
        Dialog().Show();
        Pump();
        return Dialog();
    }
    HWND Control(const char* name) { return Dialog().Control(name); }
    // As typing does: the edit's text changes and it tells the dialog.
    void Type(const char* name, const char* text) { SetWindowTextA(Control(name), text); }
    std::string Text(const char* name) {
        char text[MAX_PATH] = {};
        GetWindowTextA(Control(name), text, sizeof text);
        return text;
    }
    // Focus into the field and out again, as a user leaving it.
    void Leave(const char* name) {
        SetFocus(Control(name));
        SetFocus(Dialog().Window());
    }
    void Click(const char* name) {
        SendMessageA(Control(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(Control(name), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump();
    }
    // A window of the dialog's own (a chooser, a message box) opened and closed again.
    void VisitOwnWindow() {
        HWND owned =
            CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, Dialog().Window(),
                            nullptr, GetModuleHandleA(nullptr), nullptr);
        SetActiveWindow(owned);
        DestroyWindow(owned);
        Pump();
    }

    // Every stored value, in the settings table's order.
    static std::vector<std::string> StoredValues() {
        std::vector<std::string> values;
        for (const SettingDef& def : AllSettings())
            values.push_back(Stored(std::string(def.name).c_str()));
        return values;
    }

    DialogId dialog_;
};

}  // namespace marvix
