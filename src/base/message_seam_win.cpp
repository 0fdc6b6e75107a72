#include "base/message_seam_win.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "base/program.h"

namespace marvix {

namespace {

MessageCapture* g_capture = nullptr;

UINT BoxFlags(MessageStyle style) {
    switch (style) {
        case MessageStyle::Information: return MB_OK | MB_ICONINFORMATION;
        case MessageStyle::Error: return MB_OK | MB_ICONERROR;
        case MessageStyle::Question: return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
        case MessageStyle::Warning: break;
    }
    // Every box says by its icon what kind of news it brings.
    return MB_OK | MB_ICONWARNING;
}

// A message box centres itself on its monitor, far from the window it speaks for on a large
// screen. Around each box a CBT hook sees the box activated, before it first shows, and puts it
// over its owner instead, inside the owner's monitor's work area.
thread_local HWND g_boxOwner = nullptr;
thread_local HHOOK g_boxHook = nullptr;

LRESULT CALLBACK PutBoxOverOwner(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT next = CallNextHookEx(g_boxHook, code, wParam, lParam);
    if (code != HCBT_ACTIVATE || !g_boxOwner) return next;
    HWND box = reinterpret_cast<HWND>(wParam);
    RECT owner{}, frame{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetWindowRect(g_boxOwner, &owner) && GetWindowRect(box, &frame) &&
        GetMonitorInfoA(MonitorFromWindow(g_boxOwner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        const LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
        const LONG x = std::max(
            work.left, std::min((owner.left + owner.right - width) / 2, work.right - width));
        const LONG y = std::max(
            work.top, std::min((owner.top + owner.bottom - height) / 2, work.bottom - height));
        SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    g_boxOwner = nullptr;  // the box's own dialogs, if any, stay where they come up
    return next;
}

// The box, owned by this thread's active window so that it comes up in front of whatever window
// caused it, over that window. The caption is the application title.
int ShowBox(const std::string& text, UINT flags) {
    HWND owner = GetActiveWindow();
    g_boxOwner = owner;
    g_boxHook =
        owner ? SetWindowsHookExA(WH_CBT, PutBoxOverOwner, nullptr, GetCurrentThreadId()) : nullptr;
    const int answer = MessageBoxA(owner, text.c_str(), kProgramTitle, flags);
    if (g_boxHook) UnhookWindowsHookEx(g_boxHook);
    g_boxHook = nullptr;
    g_boxOwner = nullptr;
    return answer;
}

}  // namespace

MessageCapture::MessageCapture() : previous_(g_capture) { g_capture = this; }

MessageCapture::~MessageCapture() { g_capture = previous_; }

std::vector<std::string> MessageCapture::Texts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages_) texts.push_back(message.text);
    return texts;
}

void ShowMessage(std::string_view text, MessageStyle style) {
    if (g_capture) {
        g_capture->messages_.push_back({std::string(text), style});
        return;
    }
    ShowBox(std::string(text), BoxFlags(style));
}

bool AskYesNo(std::string_view question, bool yesByDefault) {
    if (g_capture) {
        g_capture->messages_.push_back({std::string(question), MessageStyle::Question});
        return g_capture->answer_;
    }
    const UINT flags = BoxFlags(MessageStyle::Question) & ~UINT(MB_DEFBUTTON2);
    return ShowBox(std::string(question), flags | (yesByDefault ? MB_DEFBUTTON1 : MB_DEFBUTTON2)) ==
           IDYES;
}

void ReportFailureOnce(std::string_view text) {
    static std::set<std::string, std::less<>> reported;
    if (reported.contains(text)) return;
    reported.emplace(text);
    ShowMessage(text, MessageStyle::Error);
}

}  // namespace marvix
