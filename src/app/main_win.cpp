#include <windows.h>

#include "app/clock_window_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using marvix::TForm1;
    if (!TForm1::RegisterWindowClass(instance)) return 1;
    TForm1* clock = TForm1::Create(instance);
    if (!clock) return 1;
    ShowWindow(clock->Window(), clock->Settings().Tray ? SW_HIDE : SW_SHOWNORMAL);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
