#include "windows/screen_clamp_win.h"

#include "base/lazy_library_win.h"
#include "base/scoped_handles_win.h"

namespace marvix {

Size MaximizedArea() {
    return {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

namespace {

Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(handle, &info)) {
        auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
        const Monitor monitor{FromRECT(info.rcMonitor), FromRECT(info.rcWork)};
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            monitors.insert(monitors.begin(), monitor);
        } else {
            monitors.push_back(monitor);
        }
    }
    return TRUE;
}

}  // namespace

void ReadMonitors(std::vector<Monitor>& monitors) {
    monitors.clear();
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
}

std::vector<Monitor> Monitors() {
    std::vector<Monitor> monitors;
    ReadMonitors(monitors);
    return monitors;
}

void ClampWindow(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    KeepWindowOnScreen(window, frame, Monitors(), false);
}

int DpiOf(HWND window) {
    static const auto perMonitor =
        LazyFunction<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");
    if (window && perMonitor) {
        if (const UINT dpi = perMonitor(window)) return int(dpi);
    }
    return GetDeviceCaps(BorrowedDc(nullptr).Get(), LOGPIXELSY);
}

void FollowDpiChange(HWND window, LPARAM suggested) {
    const RECT& place = *reinterpret_cast<const RECT*>(suggested);
    SetWindowPos(window, nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TakeSuggestedFrame(HWND window, const RECT& suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect WindowFrame(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return FromRECT(frame);
}

void PlaceNear(HWND window, Rect anchor, Near where, std::span<const Rect> clearOf,
               std::span<const Rect> ratherClearOf) {
    const std::vector<Monitor> monitors = Monitors();
    if (monitors.empty()) return;
    const Rect work = MonitorFor(anchor, monitors).work;
    const Rect frame = WindowFrame(window);
    const Size size{frame.Width(), frame.Height()};
    constexpr int kGap = 8;
    const Point at = where == Near::Beside
                         ? PlaceBeside(anchor, size, work, kGap, clearOf, ratherClearOf)
                         : CentreIn(size, work);
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool KeepWindowOnScreen(HWND window, const RECT& frame, std::span<const Monitor> monitors,
                        bool ignoreBoundary) {
    const Point target = KeepOnScreen(FromRECT(frame), monitors, ignoreBoundary);
    if (target.x != frame.left || target.y != frame.top) {
        SetWindowPos(window, nullptr, target.x, target.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    return false;
}

}  // namespace marvix
