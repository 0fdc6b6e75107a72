// Pictures for the README of the seven settings windows, the control menu, the exit confirmation,
// the clocks and Timers windows, the calendar, help and the alarm window: the program is started
// as at start (on a registry key of its own defaults), each window is shown beside the clock in
// turn, and its frame is copied from the screen into FOLDER\<class>.bmp. tools/make-screenshots
// runs it.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "base/bitmap_file.h"
#include "base/gdi_surface_win.h"
#include "base/local_time.h"
#include "clock/alarm_window_win.h"
#include "clock/control_menu_win.h"
#include "clock/exit_confirmation_win.h"
#include "dialogs/settings_windows_win.h"
#include "program/application_win.h"
#include "program/calendar_window_win.h"
#include "program/help_window_win.h"
#include "settings/registry_store_win.h"
#include "windows/settings_dialog_win.h"

namespace {

using namespace marvix;

void Pump(Application& app, DWORD ms) {
    const DWORD start = GetTickCount();
    for (DWORD passed = 0; passed < ms; passed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) app.Dispatch(message);
    }
}

bool Shoot(HWND window, const std::string& path) {
    RECT frame;
    GetWindowRect(window, &frame);
    const Size size{frame.right - frame.left, frame.bottom - frame.top};
    GdiSurface shot(size);
    HDC screen = GetDC(nullptr);
    BitBlt(shot.DrawingDc(), 0, 0, size.width, size.height, screen, frame.left, frame.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    Picture picture{size.width, size.height, {}};
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) picture.pixels.push_back(shot.PixelAt(x, y));
    }
    const std::vector<uint8_t> bytes = EncodeBitmapFile24(picture);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings-window-shots FOLDER\n");
        return 2;
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath);
    // The configurations window shows the gallery beside the program.
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string gallery(self);
    gallery = gallery.substr(0, gallery.find_last_of('\\')) + "\\gallery";
    SetCurrentDirectoryA(gallery.c_str());
    // The README's gallery moment: 10:09:37 on Tuesday 8 December 2026.
    FixedTime time({2026, 12, 8, 3, 10, 9, 37, 0}, 0);
    Application app(GetModuleHandleA(nullptr), time, kSettingsWindows);
    if (!app.Create()) return 1;
    Pump(app, 500);
    int failures = 0;
    for (DialogId id : {DialogId::Face, DialogId::Hands, DialogId::Digital, DialogId::Phases,
                        DialogId::Alarms, DialogId::Configurations, DialogId::Spelling}) {
        SettingsDialog& dialog = app.FirstClock().Dialog(id);
        dialog.Show();
        Pump(app, 400);
        const std::string path = std::string(argv[1]) + "\\" + dialog.Layout().className + ".bmp";
        if (!Shoot(dialog.Window(), path)) ++failures;
        std::printf("%s\n", path.c_str());
        dialog.Hide();
        Pump(app, 100);
    }
    // The control menu, the exit confirmation, the clocks and Timers windows and the calendar, each
    // in turn.
    for (SettingsDialog* window :
         {static_cast<SettingsDialog*>(&app.FirstClock().ControlMenu()),
          static_cast<SettingsDialog*>(&app.FirstClock().ExitConfirmation()),
          static_cast<SettingsDialog*>(&app.Windows().ClocksList()),
          static_cast<SettingsDialog*>(&app.Timers().Window()),
          static_cast<SettingsDialog*>(&app.Windows().Calendar())}) {
        window->Show();
        Pump(app, 400);
        const std::string path = std::string(argv[1]) + "\\" + window->Layout().className + ".bmp";
        if (!Shoot(window->Window(), path)) ++failures;
        std::printf("%s\n", path.c_str());
        window->Hide();
        Pump(app, 100);
    }
    app.FirstClock().ShowHelp();
    Pump(app, 400);
    const std::string help = std::string(argv[1]) + "\\MarvixHelp.bmp";
    if (!Shoot(app.Windows().Help().Window(), help)) ++failures;
    std::printf("%s\n", help.c_str());
    ShowWindow(app.Windows().Help().Window(), SW_HIDE);
    // The alarm window, as an alarm with a label rings.
    app.FirstClock().ShowAlarm({.time = "7:30", .label = "Take the pills", .note = ""}, true);
    Pump(app, 400);
    const std::string alarm = std::string(argv[1]) + "\\MarvixAlarm.bmp";
    if (!app.FirstClock().Alarm() || !Shoot(app.FirstClock().Alarm()->Window(), alarm)) ++failures;
    std::printf("%s\n", alarm.c_str());
    app.StopProgram();
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath);
    return failures;
}
