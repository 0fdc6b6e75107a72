// Every settings window readable and whole: no caption or field clipped at 96, 120, 144 and 192
// pixels per inch, and colour panels whose captions stand out whatever colour the user picks.
//
// Wine reads the screen's resolution when a program starts, so each resolution is measured by a
// copy of this program started with it set; the copies run one at a time, alone (see
// tests/CMakeLists.txt), and the resolution is put back afterwards.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "../support/dialog_fixture_win.h"
#include "base/colour.h"
#include "clock/alarm_window_win.h"
#include "clock/control_menu_win.h"
#include "clock/exit_confirmation_win.h"
#include "dialogs/hands_dialog.h"
#include "dialogs/settings_windows.h"
#include "hands/hand_family.h"
#include "program/help_window_win.h"
#include "settings/encodings.h"
#include "windows/settings_dialog_win.h"

namespace marvix {
namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";

std::string ClassOf(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    CharLowerA(name);
    return name;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text's width and height in the control's own font.
SIZE Extent(HWND control, const std::string& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return extent;
}

// The room a control gives its caption, as the system draws it: a check box or radio button
// beside its box (13 pixels at 96 per inch, then half a digit's width), a push button inside its
// edges, a field inside its margins and beside its arrows, a static all of it.
struct Room {
    int width, height;
};
Room RoomFor(HWND control, int dpi) {
    RECT client;
    GetClientRect(control, &client);
    const int type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    const std::string kind = ClassOf(control);
    if (kind == "button") {
        // A group box's caption sits on its frame, inside a margin at each end.
        if (type == BS_GROUPBOX) return {client.right - 2 * (6 * dpi / 96), client.bottom};
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
            return {client.right - 6, client.bottom - 4};
        // A colour panel: the dialog draws its caption across the whole of it.
        if (type == BS_OWNERDRAW) return {client.right, client.bottom};
        return {client.right - (12 * dpi / 96 + 1) - Extent(control, "0").cx / 2, client.bottom};
    }
    if (kind == "edit") {
        const LRESULT margins = SendMessageA(control, EM_GETMARGINS, 0, 0);
        return {client.right - LOWORD(margins) - HIWORD(margins), client.bottom};
    }
    return {client.right, client.bottom};
}

// The longest number a field's arrows allow.
std::string WidestValue(HWND field) {
    HWND arrows = GetWindow(field, GW_HWNDNEXT);
    if (!arrows || ClassOf(arrows) != "msctls_updown32") return {};
    INT low = 0, high = 0;
    SendMessageA(arrows, UDM_GETRANGE32, WPARAM(&low), LPARAM(&high));
    const std::string a = IntegerText(low), b = IntegerText(high);
    return a.size() > b.size() ? a : b;
}

class DialogCaptions : public DialogFixture {
protected:
    DialogCaptions() : DialogFixture(DialogId::Hands) {}

    static constexpr DialogId kAll[] = {
        DialogId::Hands,  DialogId::Phases,         DialogId::Face,    DialogId::Digital,
        DialogId::Alarms, DialogId::Configurations, DialogId::Spelling};
};

// Run by the test below, once for each resolution; skipped in a plain run.
TEST_F(DialogCaptions, FitTheirControlsAtThisResolution) {
    const char* wanted = std::getenv("MARVIX_CAPTIONS_DPI");
    if (!wanted) GTEST_SKIP() << "run by EveryCaptionFitsAt96120And144PixelsPerInch";
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(dpi, std::atoi(wanted)) << "the resolution took";
    Start();
    // Every window laid out in a table of 96 pixels per inch: the seven settings windows, the
    // control menu, the exit confirmation, the alarm window and the Timers window.
    app_->FirstClock().ShowAlarm({.time = "7:30", .label = "Take the pills", .note = ""}, true);
    std::vector<SettingsDialog*> windows = {
        &app_->FirstClock().ControlMenu(), &app_->FirstClock().ExitConfirmation(),
        app_->FirstClock().Alarm(), &app_->Timers().Window()};
    for (DialogId id : kAll) windows.push_back(&app_->FirstClock().Dialog(id));
    for (SettingsDialog* shown : windows) {
        SettingsDialog& dialog = *shown;
        dialog.Show();
        Pump();
        const char* window = dialog.Layout().className;
        RECT client;
        GetClientRect(dialog.Window(), &client);
        // Its 96-pixel size times the scale, within 2 per cent.
        const Size scaled = AtDpi(dialog.Layout().client, dpi);
        EXPECT_NEAR(client.right, scaled.width, scaled.width / 50.0) << window << " at " << dpi;
        EXPECT_NEAR(client.bottom, scaled.height, scaled.height / 50.0) << window << " at " << dpi;
        MapWindowPoints(dialog.Window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        for (HWND control = GetWindow(dialog.Window(), GW_CHILD); control;
             control = GetWindow(control, GW_HWNDNEXT)) {
            // A control added under the others once fell below the window's bottom edge.
            RECT own, inside;
            GetWindowRect(control, &own);
            IntersectRect(&inside, &own, &client);
            EXPECT_TRUE(EqualRect(&inside, &own))
                << window << " " << ClassOf(control) << " \"" << TextOf(control) << "\" at " << dpi
                << ": inside its window, " << own.left - client.left << "," << own.top - client.top
                << "-" << own.right - client.left << "," << own.bottom - client.top << " in "
                << client.right - client.left << "x" << client.bottom - client.top;
            const LONG style = GetWindowLongA(control, GWL_STYLE);
            const std::string kind = ClassOf(control);
            const bool elided = kind == "static" && (style & (SS_PATHELLIPSIS | SS_ENDELLIPSIS));
            const std::string text = kind == "edit" ? WidestValue(control) : TextOf(control);
            if (text.empty() || elided || kind == "combobox" || kind == "listbox") continue;
            const SIZE extent = Extent(control, text);
            const Room room = RoomFor(control, dpi);
            EXPECT_LE(extent.cx, room.width) << window << " \"" << text << "\" at " << dpi;
            EXPECT_LE(extent.cy, room.height) << window << " \"" << text << "\" at " << dpi;
        }
        dialog.Hide();
    }
    // Help, a window of its own laid out by its size: its 96-pixel size times the scale, as far as
    // the screen has room.
    app_->FirstClock().ShowHelp();
    Pump();
    RECT help;
    GetWindowRect(app_->Windows().Help().Window(), &help);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = std::min<int>(AtDpi(720, dpi), work.right - work.left);
    const int height = std::min<int>(AtDpi(480, dpi), work.bottom - work.top);
    EXPECT_NEAR(help.right - help.left, width, width / 50.0) << dpi;
    EXPECT_NEAR(help.bottom - help.top, height, height / 50.0) << dpi;
}

DWORD RunAtDpi(DWORD dpi) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self +
                          "\" --gtest_filter=DialogCaptions.FitTheirControlsAtThisResolution";
    SetEnvironmentVariableA("MARVIX_CAPTIONS_DPI", std::to_string(dpi).c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD code = 1000;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    SetEnvironmentVariableA("MARVIX_CAPTIONS_DPI", nullptr);
    return code;
}

// "Military" showed as "Militar", "TranP" lost its last letter at 144 per inch, and the digital
// window's fields showed 4 of the 6 digits they accept.
TEST_F(DialogCaptions, EveryCaptionFitsAt96120And144PixelsPerInch) {
    if (std::getenv("MARVIX_CAPTIONS_DPI")) GTEST_SKIP() << "the copy measures only";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD before = 0, size = sizeof before;
    const bool had = RegQueryValueExA(key, "LogPixels", nullptr, nullptr,
                                      reinterpret_cast<BYTE*>(&before), &size) == ERROR_SUCCESS;
    for (DWORD dpi : {96u, 120u, 144u, 192u}) {
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof dpi);
        EXPECT_EQ(RunAtDpi(dpi), 0u) << "at " << dpi << " pixels per inch: see above";
    }
    if (had) {
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before),
                       sizeof before);
    } else {
        RegDeleteValueA(key, "LogPixels");
    }
    RegCloseKey(key);
}

// Moved onto a monitor of another resolution (Windows sends WM_DPICHANGED; Wine never does, so the
// test sends it), a window takes the size suggested and lays out and letters its controls for it;
// moved back, it is as it was.
TEST_F(DialogCaptions, AWindowMovedToAnotherResolutionLaysItselfOutForIt) {
    if (std::getenv("MARVIX_CAPTIONS_DPI")) GTEST_SKIP() << "the copy measures only";
    Start();
    SettingsDialog& hands = Open();
    HWND length = Control(IdOf(HandsControl::Length, Hand::Hour));
    const Rect design = FindRow(Dialog().Rows(), IdOf(HandsControl::Length, Hand::Hour))->place;
    for (int dpi : {144, 192, 96}) {
        RECT frame;
        GetWindowRect(hands.Window(), &frame);
        const Size client = AtDpi(hands.Layout().client, dpi);
        RECT suggested{frame.left, frame.top, frame.left + client.width, frame.top + client.height};
        AdjustWindowRectEx(&suggested, DWORD(GetWindowLongA(hands.Window(), GWL_STYLE)), FALSE,
                           DWORD(GetWindowLongA(hands.Window(), GWL_EXSTYLE)));
        SendMessageA(hands.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        RECT inside, field;
        GetClientRect(hands.Window(), &inside);
        EXPECT_NEAR(inside.right, client.width, client.width / 50.0) << dpi;
        EXPECT_NEAR(inside.bottom, client.height, client.height / 50.0) << dpi;
        GetWindowRect(length, &field);
        MapWindowPoints(nullptr, hands.Window(), reinterpret_cast<POINT*>(&field), 2);
        EXPECT_NEAR(field.left, AtDpi(design.left, dpi), 1) << dpi;
        EXPECT_NEAR(field.top, AtDpi(design.top, dpi), 1) << dpi;
        EXPECT_NEAR(field.bottom, AtDpi(design.bottom, dpi), 1) << dpi;
        EXPECT_EQ(HFONT(SendMessageA(length, WM_GETFONT, 0, 0)), app_->DialogFont(dpi)) << dpi;
    }
}

// Navy on the phase window's purple could not be read: with every panel set to the window's own
// colour, its caption must still stand out from what is behind it.
TEST_F(DialogCaptions, ColourPanelCaptionsStandOutOnTheirColour) {
    Start();
    ClockSettings& s = Clock().Parts().model.Edit();
    for (const DialogTable& table : AllDialogTables()) {
        for (DialogId id : kAll) {
            auto* dialog = dynamic_cast<TableDialog*>(&app_->FirstClock().Dialog(id));
            if (!dialog || table.className != dialog->Layout().className) continue;
            const Colour background{dialog->Layout().background};
            for (const ControlRow& row : table.rows) {
                if (row.type != ControlType::ColourPanel) continue;
                s.*std::get<ColourSetting ClockSettings::*>(DefOf(*row.setting).field) = {
                    ColourText(background), background};
            }
            dialog->ShowSettings();
            for (const ControlRow& row : table.rows) {
                if (row.type != ControlType::ColourPanel) continue;
                const auto [face, caption] = dialog->PanelColoursOf(row);
                const Colour text{caption}, behind{face};
                EXPECT_EQ(behind, background) << row.caption << ": the panel shows its colour";
                EXPECT_GE(ContrastRatio(text, behind), 3.0)
                    << table.className << " " << row.caption;
            }
        }
    }
}

}  // namespace
}  // namespace marvix
