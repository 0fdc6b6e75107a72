#include "app/tray_icon_win.h"

namespace marvix {

void TrayIcon::Add(HWND owner, HICON icon) {
    data_ = {};
    // The first version of the record: every shell since Windows 95 understands it.
    data_.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88
    data_.hWnd = owner;
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;  // 7
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = icon;
    lstrcpynA(data_.szTip, "Press left mouse to show clock, right for menu.", sizeof data_.szTip);
    added_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::AddAgain() {
    if (data_.hWnd) added_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
}

void TrayIcon::Remove() {
    if (added_) Shell_NotifyIconA(NIM_DELETE, &data_);
    added_ = false;
}

}  // namespace marvix
