#include "clock/tray_icon_win.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/lazy_library_win.h"
#include "frame/clock_reading.h"

namespace marvix {

namespace {

// The shell is loaded for each call and let go after it. The icon lives in the shell's own
// process; the shell's DLL, with the two it brings, would otherwise stay resident all day (some
// 800 KB) for a call a minute.
BOOL NotifyShell(DWORD message, NOTIFYICONDATAA& data) {
    const ScopedLibrary shell(LoadLibraryA("shell32.dll"));
    const auto notify = FunctionIn<decltype(&Shell_NotifyIconA)>(shell.Get(), "Shell_NotifyIconA");
    return notify && notify(message, &data);
}

}  // namespace

void TrayIcon::Add(HWND owner, HICON icon) {
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    data_ = {};
    // The second version of the record (every shell since Windows 2000) holds a tip of 128
    // characters, room for the time and date before the mouse's help.
    data_.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data_.hWnd = owner;
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;  // 7
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = plainIcon_ = icon;
    lstrcpynA(data_.szTip, std::string(kTrayMouseHelp).c_str(), sizeof data_.szTip);
    added_ = NotifyShell(NIM_ADD, data_) != FALSE;
}

// Once a minute, or every second while a timer runs: a change costs some 6 ms under Wine (3.6 of
// them in the shell), loading the shell's DLL included (see KeepShellLoaded).
void TrayIcon::SetTip(std::string_view tip) {
    const std::string_view text = tip.substr(0, sizeof data_.szTip - 1);
    if (text == std::string_view(data_.szTip)) return;
    std::copy(text.begin(), text.end(), data_.szTip);
    data_.szTip[text.size()] = '\0';
    if (!added_) return;
    // The tip alone: with the icon too, Wine's shell copies the icon's pixels through new device
    // contexts, reading the X resources from disk, at every change.
    NOTIFYICONDATAA tipOnly = data_;
    tipOnly.uFlags = NIF_TIP;
    NotifyShell(NIM_MODIFY, tipOnly);
}

namespace {

// The icon with a ring along its edge: drawn into a copy of its colours and of its mask, so that
// the ring shows where the icon lets the desktop through.
ScopedIcon IconWithRing(HICON plain, int steps, int of, COLORREF colour) {
    ICONINFO info{};
    if (!GetIconInfo(plain, &info)) return {};
    const ScopedBitmap mask(info.hbmMask), colours(info.hbmColor);
    BITMAP size{};
    if (!colours || !GetObjectA(colours.Get(), sizeof size, &size)) return {};
    const ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    const int side = size.bmWidth;
    const double turn = 2 * 3.14159265358979323846 * steps / of;
    const POINT top{side / 2, 0};
    const POINT end{side / 2 + LONG(side * std::sin(turn)), side / 2 - LONG(side * std::cos(turn))};
    SetArcDirection(dc.Get(), AD_CLOCKWISE);
    // The colours get the ring's colour; the mask black there, where the ring is opaque.
    for (auto [bitmap, ink] :
         {std::pair{colours.Get(), colour}, std::pair{mask.Get(), COLORREF(0)}}) {
        const HGDIOBJ oldBitmap = SelectObject(dc.Get(), bitmap);
        const ScopedPen pen(CreatePen(PS_SOLID, 2, ink));
        const HGDIOBJ oldPen = SelectObject(dc.Get(), pen.Get());
        if (steps >= of) {
            const HGDIOBJ oldBrush = SelectObject(dc.Get(), GetStockObject(NULL_BRUSH));
            Ellipse(dc.Get(), 1, 1, side, side);
            SelectObject(dc.Get(), oldBrush);
        } else if (steps > 0) {
            Arc(dc.Get(), 1, 1, side, side, top.x, top.y, end.x, end.y);
        }
        SelectObject(dc.Get(), oldPen);
        SelectObject(dc.Get(), oldBitmap);
    }
    ICONINFO ring{TRUE, 0, 0, mask.Get(), colours.Get()};
    return ScopedIcon(CreateIconIndirect(&ring));
}

}  // namespace

void TrayIcon::ShowRing(std::optional<int> steps, int of, COLORREF colour) {
    const std::optional<std::pair<int, COLORREF>> wanted =
        steps ? std::optional(std::pair{*steps, colour}) : std::nullopt;
    if (wanted == ring_ || !plainIcon_) return;
    ring_ = wanted;
    ScopedIcon made = steps ? IconWithRing(plainIcon_, *steps, of, colour) : ScopedIcon();
    data_.hIcon = made ? made.Get() : plainIcon_;
    if (added_) {
        NOTIFYICONDATAA iconOnly = data_;
        iconOnly.uFlags = NIF_ICON;
        NotifyShell(NIM_MODIFY, iconOnly);
    }
    // The shell has its own copy now: the one it showed before may go.
    ringIcon_ = std::move(made);
}

void TrayIcon::KeepShellLoaded(bool keep) {
    if (keep && !shell_) shell_ = ScopedLibrary(LoadLibraryA("shell32.dll"));
    if (!keep) shell_ = ScopedLibrary();
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
