#include "program/help_window_win.h"

#include <algorithm>

#include "base/geometry.h"
#include "base/window_thunk_win.h"
#include "clock/resource.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

namespace {

constexpr char kClassName[] = "MarvixHelp";
constexpr int kListWidth = 220;

std::string HelpResource(HINSTANCE instance) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(IDR_HELP), MAKEINTRESOURCEA(10));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const char* text = static_cast<const char*>(loaded ? LockResource(loaded) : nullptr);
    if (!text) return "# contents | Contents\n";
    return std::string(text, SizeofResource(instance, found));
}

}  // namespace

HelpWindow::HelpWindow(SettingsWindowHost& app)
    : app_(app), topics_(ParseHelp(HelpResource(app.Instance()))) {}

HelpWindow::~HelpWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

std::string_view HelpWindow::CurrentTopic() const {
    return current_ < topics_.size() ? std::string_view(topics_[current_].key) : kContents;
}

Size HelpWindow::HelpSize(int dpi) {
    const Size work = MaximizedArea();
    return {std::min(AtDpi(720, dpi), work.width), std::min(AtDpi(480, dpi), work.height)};
}

bool HelpWindow::Create() {
    WNDCLASSEXA windowClass = WindowClassOf(app_.Instance(), kClassName, WindowProc);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass_ = ScopedWindowClass(windowClass);
    if (!windowClass_) return false;
    // 720 by 480 at 96 pixels per inch, scaled to the screen's, and no larger than the main
    // screen's work area.
    dpi_ = DpiOf(nullptr);
    const Size size = HelpSize(dpi_);
    hwnd_ = CreateWindowExA(0, kClassName, "Marvix Help", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height, app_.Owner(),
                            nullptr, app_.Instance(), this);
    if (!hwnd_) return false;
    dpi_ = DpiOf(hwnd_);
    list_ = CreateWindowExA(
        WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
        0, 0, hwnd_, reinterpret_cast<HMENU>(kTopicList), app_.Instance(), nullptr);
    // No horizontal scrolling: the edit wraps each paragraph to its width.
    text_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                                ES_READONLY | ES_AUTOVSCROLL,
                            0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(kTopicText), app_.Instance(),
                            nullptr);
    ApplyFont();
    for (const HelpTopic& topic : topics_) {
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.title.c_str()));
    }
    Layout();
    return true;
}

void HelpWindow::ShowTopic(std::string_view key, Rect anchor, std::span<const Rect> clearOf) {
    if (!hwnd_ && !Create()) return;
    if (!IsWindowVisible(hwnd_) && !anchor.Empty()) PlaceNear(hwnd_, anchor, Near::Beside, clearOf);
    size_t index = 0;
    for (size_t i = 0; i < topics_.size(); ++i) {
        if (topics_[i].key == key) index = i;
    }
    SelectTopic(index);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    // It remembers nothing but must be seen: back inside the screen if it was moved off it.
    ClampWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    SetFocus(list_);
}

void HelpWindow::SelectTopic(size_t index) {
    if (index >= topics_.size()) return;
    current_ = index;
    SendMessageA(list_, LB_SETCURSEL, WPARAM(index), 0);
    SetWindowTextA(text_, TopicText(topics_[index]).c_str());
}

void HelpWindow::Layout() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const int list = AtDpi(kListWidth, dpi_);
    MoveWindow(list_, 0, 0, list, client.bottom, TRUE);
    MoveWindow(text_, list, 0, client.right - list, client.bottom, TRUE);
}

// The dialog font at the window's resolution: the stock GUI font keeps the screen's.
void HelpWindow::ApplyFont() {
    const HFONT font = app_.DialogFont(dpi_);
    for (HWND control : {list_, text_}) SendMessageA(control, WM_SETFONT, WPARAM(font), TRUE);
}

LRESULT CALLBACK HelpWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToOwner(hwnd, message, wParam, lParam, &HelpWindow::hwnd_,
                          &HelpWindow::HandleMessage);
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: Layout(); return 0;
        case WM_CLOSE: ShowWindow(hwnd_, SW_HIDE); return 0;
        case WM_DPICHANGED: {
            // Onto a monitor of another resolution: the size Windows suggests, and the list and
            // the text laid out and lettered for it.
            dpi_ = HIWORD(wParam);
            ApplyFont();
            TakeSuggestedFrame(hwnd_, *reinterpret_cast<const RECT*>(lParam));
            Layout();
            return 0;
        }
        // Its keys go through IsDialogMessage too: the arrows stay in the list, Escape closes.
        case WM_ACTIVATE:
            app_.SetActiveDialog(LOWORD(wParam) != WA_INACTIVE ? hwnd_ : nullptr);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) {
                ShowWindow(hwnd_, SW_HIDE);
                return 0;
            }
            if (LOWORD(wParam) == kTopicList && HIWORD(wParam) == LBN_SELCHANGE) {
                const LRESULT chosen = SendMessageA(list_, LB_GETCURSEL, 0, 0);
                if (chosen >= 0) SelectTopic(static_cast<size_t>(chosen));
                return 0;
            }
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace marvix
