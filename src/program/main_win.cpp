// The program's entry: the clock, and the settings windows it is handed to make.
#include <windows.h>

#include "app/application_win.h"
#include "base/system_time_win.h"
#include "dialogs/settings_windows_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    marvix::SystemTime clock;
    marvix::Application app(instance, clock, marvix::MakeSettingsWindow);
    if (!app.Create()) return 1;
    return app.Run();
}
