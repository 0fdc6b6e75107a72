#include "app/help_window_win.h"

#include <string>

#include "app/resource.h"

namespace marvix {

namespace {

constexpr char kClassName[] = "MarvixHelp";

std::string HelpText(HINSTANCE instance) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_HELP), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* text = static_cast<const char*>(loaded ? LockResource(loaded) : nullptr);
    if (!text) return "Contents";
    // A multi-line edit control breaks lines only at CR LF.
    std::string lines;
    for (const char* c = text; c != text + SizeofResource(instance, found); ++c) {
        if (*c == '\n') lines += '\r';
        if (*c != '\r') lines += *c;
    }
    return lines;
}

}  // namespace

HelpWindow::~HelpWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK HelpWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        MoveWindow(GetDlgItem(hwnd, 1), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    }
    if (message == WM_CLOSE) {
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void HelpWindow::ShowContents(HWND owner) {
    if (!hwnd_) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance_;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        windowClass_ = ScopedWindowClass(windowClass);
        if (!windowClass_) return;
        hwnd_ = CreateWindowExA(0, kClassName, "Marvix Help", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 520, 480, owner, nullptr, instance_, nullptr);
        if (!hwnd_) return;
        RECT client;
        GetClientRect(hwnd_, &client);
        HWND text = CreateWindowExA(
            0, "EDIT", HelpText(instance_).c_str(),
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
            client.right, client.bottom, hwnd_, reinterpret_cast<HMENU>(1), instance_, nullptr);
        SendMessageA(text, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    // The contents are the first lines of the text.
    SendDlgItemMessageA(hwnd_, 1, EM_SETSEL, 0, 0);
    SendDlgItemMessageA(hwnd_, 1, EM_SCROLLCARET, 0, 0);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
}

}  // namespace marvix
