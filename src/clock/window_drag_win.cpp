#include "clock/window_drag_win.h"

namespace marvix {

void WindowDrag::Begin(HWND window) {
    active_ = true;
    SetCapture(window);
    GetCursorPos(&last_);
}

void WindowDrag::Resume() {
    if (active_) GetCursorPos(&last_);
}

std::optional<POINT> WindowDrag::Moved(HWND window, bool mayMove) {
    if (!active_ || !mayMove) return std::nullopt;
    POINT now;
    GetCursorPos(&now);
    const POINT last = last_;
    last_ = now;
    if (now.x == last.x && now.y == last.y) return std::nullopt;
    RECT frame;
    GetWindowRect(window, &frame);
    return POINT{frame.left + now.x - last.x, frame.top + now.y - last.y};
}

void WindowDrag::End(HWND window) {
    active_ = false;
    if (GetCapture() == window) ReleaseCapture();
}

}  // namespace marvix
