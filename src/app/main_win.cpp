#include <windows.h>

#include "app/application_win.h"
#include "base/system_time_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    marvix::SystemTime clock;
    marvix::Application app(instance, clock);
    if (!app.Create()) return 1;
    return app.Run();
}
