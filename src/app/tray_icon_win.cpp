#include "app/tray_icon_win.h"

#include "base/lazy_library_win.h"

namespace marvix {

namespace {

// The shell is loaded for each call and let go after it. The icon lives in the shell's own
// process; the shell's DLL, with the two it brings, would otherwise stay resident all day (some
// 800 KB) for the two or three calls a run makes.
BOOL NotifyShell(DWORD message, NOTIFYICONDATAA& data) {
    const ScopedLibrary shell(LoadLibraryA("shell32.dll"));
    const auto notify = FunctionIn<decltype(&Shell_NotifyIconA)>(shell.Get(), "Shell_NotifyIconA");
    return notify && notify(message, &data);
}

}  // namespace

void TrayIcon::Add(HWND owner, HICON icon) {
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    data_ = {};
    // The first version of the record: every shell since Windows 95 understands it.
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88
    data_.hWnd = owner;
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;  // 7
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, "Press left mouse to show clock, right for menu.", sizeof data_.szTip);
    added_ = NotifyShell(NIM_ADD, data_) != FALSE;
}

bool TrayIcon::ShellRestarted(UINT message) {
    if (taskbarCreated_ == 0 || message != taskbarCreated_) return false;
    if (data_.hWnd) added_ = NotifyShell(NIM_ADD, data_) != FALSE;
    return true;
}

void TrayIcon::Remove() {
    if (added_) NotifyShell(NIM_DELETE, data_);
    added_ = false;
}

}  // namespace marvix
