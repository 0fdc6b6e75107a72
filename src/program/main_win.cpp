// The program's entry: one clock per session, and the settings windows it is handed to make.
#include <windows.h>

#include "program/application_win.h"
#include "program/single_instance_win.h"
#include "base/system_time_win.h"
#include "dialogs/settings_windows_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const marvix::SingleClock single;
    if (!single.IsFirst()) {
        marvix::SingleClock::BringRunningClockForward();
        return 0;
    }
    marvix::SystemTime clock;
    marvix::Application app(instance, clock, marvix::kSettingsWindows);
    if (!app.Create()) return 1;
    return app.Run();
}
