#include "windows/screen_clamp_win.h"

#include "frame/placement.h"

namespace marvix {

Size MaximizedArea() {
    return {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
}

void ClampWindow(HWND window, Size area) {
    RECT frame;
    GetWindowRect(window, &frame);
    ClampWindow(window, frame, area);
}

bool ClampWindow(HWND window, const RECT& frame, Size area) {
    const Point target = ClampToScreen({frame.left, frame.top, frame.right, frame.bottom}, area);
    if (target.x != frame.left || target.y != frame.top) {
        SetWindowPos(window, nullptr, target.x, target.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    return false;
}

}  // namespace marvix
