#include "app/clock_window_win.h"

#include <string>
#include <vector>

#include "app/message_seam_win.h"
#include "settings/registry_store.h"

namespace marvix {

namespace {

constexpr int kFaceSize = 200;

void ReportAll(const std::vector<std::string>& errors) {
    for (const std::string& error : errors) ShowMessage(error, MessageStyle::Error);
}

}  // namespace

bool TForm1::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

TForm1* TForm1::Create(HINSTANCE instance) {
    HWND hwnd = CreateWindowExA(0, kClassName, "Marvo", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                kFaceSize, kFaceSize, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return nullptr;
    return reinterpret_cast<TForm1*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK TForm1::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TForm1*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = new TForm1(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: FormCreate(); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
            return 0;
        case WM_PAINT: Paint(); return 0;
        case WM_DESTROY: StopAll(); return 0;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void TForm1::FormCreate() {
    std::vector<std::string> errors;
    ReadSettings(settings_, registry_, TraySetting(), errors);
    ReadSettings(settings_, registry_, StartupSettings(), errors);
    ReportAll(errors);
    SetWindowPos(hwnd_, nullptr, settings_.FL, settings_.FT, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::FormActivate() {
    if (FirstActivation) return;
    FirstActivation = true;
    std::vector<std::string> errors;
    ReadSettings(settings_, registry_, DisplayFontSettings(), errors);
    ReportAll(errors);
}

void TForm1::StopAll() {
    std::vector<std::string> errors;
    WriteSettings(settings_, registry_, ExitSettings(), errors);
    ReportAll(errors);
    PostQuitMessage(0);
}

void TForm1::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(hwnd_, &paint);
}

}  // namespace marvix
