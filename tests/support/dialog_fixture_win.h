#pragma once

// What the settings-dialog tests share: the program started as at start, and a user's actions
// on one dialog's controls by their roles.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "clock_fixture_win.h"
#include "dialogs/table_dialog_win.h"
#include "settings/settings_table.h"

namespace marvix {

class DialogFixture : public ClockFixture {
protected:
    explicit DialogFixture(DialogId dialog) : dialog_(dialog) {}

    TableDialog& Dialog() { return static_cast<TableDialog&>(app_->FirstClock().Dialog(dialog_)); }
    TableDialog& Open() {
        Dialog().Show();
        Pump();
        return Dialog();
    }
    HWND Control(ControlId id) { return Dialog().Control(id); }
    // As typing does: the edit's text changes and it tells the dialog.
    void Type(ControlId name, const char* text) { SetWindowTextA(Control(name), text); }
    std::string Text(ControlId name) {
        char text[MAX_PATH] = {};
        GetWindowTextA(Control(name), text, sizeof text);
        return text;
    }
    // A user typing into the field, one key every `msPerKey`, over all it held: each key reaches
    // the field through the program's message loop while the clock goes on ticking.
    void TypeKeys(ControlId name, const char* text, DWORD msPerKey) {
        SetForegroundWindow(Dialog().Window());
        SetFocus(Control(name));
        SendMessageA(Control(name), EM_SETSEL, 0, -1);
        for (const char* key = text; *key; ++key) {
            PostMessageA(Control(name), WM_CHAR, WPARAM(static_cast<unsigned char>(*key)), 1);
            AdvanceClock(msPerKey);
            Wait(msPerKey);
            if (afterEachKey_) afterEachKey_();
        }
    }
    // The test's clock moves on as the real one would, so that the hands move between keys.
    void AdvanceClock(DWORD ms) {
        LocalTime& t = time_.time;
        const unsigned total = t.millisecond + ms;
        const unsigned seconds = t.second + total / 1000;
        t.millisecond = uint16_t(total % 1000);
        t.second = uint16_t(seconds % 60);
        t.minute = uint16_t(t.minute + seconds / 60);
    }
    // Focus into the field and out again, as a user leaving it.
    void Leave(ControlId name) {
        SetFocus(Control(name));
        SetFocus(Dialog().Window());
    }
    void Click(ControlId name) {
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
    std::function<void()> afterEachKey_;  // a check made between the keys TypeKeys presses
};

}  // namespace marvix
