// bare-window INTERVAL_MS [copy]: the floor any Win32 program pays under Wine, for the benchmark
// to measure the clock against. A 200 x 200 window whose timer does nothing, or, with "copy",
// has a 200 x 200 bitmap painted into the whole window on every tick.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSide = 200;
HDC g_picture = nullptr;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (g_picture) InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            if (g_picture) BitBlt(dc, 0, 0, kSide, kSide, g_picture, 0, 0, SRCCOPY);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const UINT interval = argc > 1 ? UINT(std::atoi(argv[1])) : 250;
    const bool copy = argc > 2 && std::strcmp(argv[2], "copy") == 0;
    HINSTANCE instance = GetModuleHandleA(nullptr);

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = "BareWindow";
    RegisterClassExA(&windowClass);
    HWND hwnd = CreateWindowExA(0, "BareWindow", "bare", WS_POPUP | WS_VISIBLE, 100, 100, kSide,
                                kSide, nullptr, nullptr, instance, nullptr);

    if (copy) {
        // A picture that is not one colour, so that nothing can take a shortcut.
        HDC screen = GetDC(hwnd);
        g_picture = CreateCompatibleDC(screen);
        SelectObject(g_picture, CreateCompatibleBitmap(screen, kSide, kSide));
        ReleaseDC(hwnd, screen);
        for (int y = 0; y < kSide; y += 10) {
            const RECT band{0, y, kSide, y + 10};
            FillRect(g_picture, &band,
                     reinterpret_cast<HBRUSH>(INT_PTR(COLOR_WINDOW + 1 + (y / 10) % 8)));
        }
    }
    SetTimer(hwnd, 1, interval, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
