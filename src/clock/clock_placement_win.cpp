#include "clock/clock_placement_win.h"

#include <algorithm>
#include <cmath>

#include "base/smooth_shapes.h"
#include "clock/clock_pictures_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

void ClockPlacement::Attach(HWND window, LayeredOutline& outline) {
    window_ = window;
    outline_ = &outline;
    WindowMoved();
}

void ClockPlacement::WindowMoved() { GetWindowRect(window_, &frame_); }

void ClockPlacement::RefreshScreens() {
    model_.Live().screen = MaximizedArea();
    ReadMonitors(monitors_);
}

Rect ClockPlacement::Desktop() const {
    Rect desktop;
    for (const Monitor& monitor : monitors_) desktop = Union(desktop, monitor.bounds);
    return desktop;
}

bool ClockPlacement::KeepOnScreen() {
    return KeepWindowOnScreen(window_, frame_, monitors_, model_.Settings().IgnoreBoundary);
}

void ClockPlacement::Reshape() {
    const ClockSettings& s = model_.Settings();
    RECT client;
    GetClientRect(window_, &client);
    const int corner = int(std::lround(s.RSqr * scale_));
    const Size size{client.right, client.bottom};
    const WindowRegion region = RegionForShape(s.CShape, corner, size);
    const OutlineKind kind =
        OutlineFor(s.SmoothOutline, s.SmoothEdges,
                   s.SmoothOutline == 0 && s.SmoothEdges && SystemComposesWindows(), region);
    if (kind != OutlineKind::Cut) {
        const Rect& b = region.bounds;
        const Size round = region.shape == RegionShape::Ellipse
                               ? Size{b.Width(), b.Height()}
                               : Size{region.corner, region.corner};
        const Rect inside{b.left + round.width / 2, b.top + round.height / 2,
                          b.right - round.width / 2, b.bottom - round.height / 2};
        outline_->Use(RoundedRectCoverage(size, b, round), size, kind, inside,
                      std::max(2, int(std::lround(2 * scale_))));
    } else {
        outline_->Use({}, size, kind);
    }
    const Rect& b = region.bounds;
    // Layered, the window is cut to the pixels its outline wholly covers; its edge lies above it.
    HRGN handle = outline_->InnerRegion();
    if (!handle && region.shape == RegionShape::Ellipse) {
        handle = CreateEllipticRgn(b.left, b.top, b.right, b.bottom);
    } else if (!handle && region.shape == RegionShape::RoundRect) {
        handle = CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, region.corner, region.corner);
    }
    // SetWindowRgn owns the region from here on; a null region shows the whole rectangle.
    if (!SetWindowRgn(window_, handle, TRUE) && handle) DeleteObject(handle);
}

void ClockPlacement::Restack() {
    const ClockSettings& s = model_.Settings();
    const ZOrderSteps steps = ZOrderForFacePos(s.FacePos);
    for (int i = 0; i < steps.count; ++i) {
        HWND after = steps.steps[i] == ZOrder::TopMost     ? HWND_TOPMOST
                     : steps.steps[i] == ZOrder::NoTopMost ? HWND_NOTOPMOST
                                                           : HWND_BOTTOM;
        // Activating a window raises it, which would undo the move to the bottom at once. A
        // hidden clock (in the tray, or not yet shown at start) takes its place unseen: showing
        // it would bring back a clock whose timers are stopped.
        const bool shown = IsWindowVisible(window_) != FALSE;
        const UINT activation = after == HWND_BOTTOM || !shown ? SWP_NOACTIVATE : 0;
        SetWindowPos(window_, after, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | (shown ? SWP_SHOWWINDOW : 0) | activation);
    }
}

void ClockPlacement::MoveTo(Point topLeft) {
    SetWindowPos(window_, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ClockPlacement::FitToFace(Size face) {
    const ClockSettings& s = model_.Settings();
    // A borderless popup: the window is its client area.
    SetWindowPos(window_, nullptr, s.FL, s.FT, face.width, face.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnScreen();
    Reshape();
}

void ClockPlacement::Resize(Size size) {
    SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Reshape();
}

void ClockPlacement::TakeSnapshot(GdiSurface& face) {
    RECT frame;
    GetWindowRect(window_, &frame);
    const bool shown = IsWindowVisible(window_) != FALSE;
    ShowWindow(window_, SW_HIDE);
    // Give the windows behind the clock time to repaint before their pixels are taken.
    Sleep(100);
    CaptureDesktop(face, {frame.left, frame.top});
    Sleep(100);
    // A clock hidden in the tray stays hidden. Shown without activation: the settings window
    // that asked for the snapshot keeps the keyboard, and the field being typed in its text.
    if (shown) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void ClockPlacement::ApplyOverlay() {
    const ClockSettings& s = model_.Settings();
    const OverlayStyle style = OverlayStyleFor(s.ClickThrough, s.Opacity);
    outline_->SetOpacity(style.alpha);
    if (style == overlay_) return;
    overlay_ = style;
    LONG ex = GetWindowLongA(window_, GWL_EXSTYLE) & ~(WS_EX_LAYERED | WS_EX_TRANSPARENT);
    if (style.layered) ex |= WS_EX_LAYERED;
    // Clicks pass only through a layered window: WS_EX_TRANSPARENT alone passes nothing.
    if (style.clickThrough) ex |= WS_EX_TRANSPARENT;
    SetWindowLongA(window_, GWL_EXSTYLE, ex);
    if (style.layered) SetLayeredWindowAttributes(window_, 0, style.alpha, LWA_ALPHA);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool ClockPlacement::FullScreenInFront() const {
    HWND front = GetForegroundWindow();
    if (!front || monitors_.empty()) return false;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    if (process == GetCurrentProcessId()) return false;
    RECT r;
    GetWindowRect(front, &r);
    const LONG style = GetWindowLongA(front, GWL_STYLE);
    return CoversMonitor({r.left, r.top, r.right, r.bottom}, MonitorFor(Frame(), monitors_).bounds,
                         (style & WS_CAPTION) == WS_CAPTION, IsZoomed(front) != FALSE);
}

void ClockPlacement::DisplaysChanged() {
    RefreshScreens();
    MoveTo({model_.Settings().FL, model_.Settings().FT});
    KeepOnScreen();
    owner_.ShowLiveValues();
}

void ClockPlacement::Dragged(Point topLeft) {
    ClockSettings& s = model_.Edit();
    s.FL = topLeft.x;
    s.FT = topLeft.y;
    // The face dialog's Left and Top follow the clock.
    owner_.ShowLiveValues();
}

}  // namespace marvix
