// Runs for the whole of a test run's Wine session. While no Wine program runs, Wine shuts its
// desktop process down, and the next test program to open a window then waits ten seconds for
// the RPC service while the desktop restarts. One idle window thread keeps the desktop up.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
