// The clock window's outline and place: its region, the screen-boundary clamp, the z-position
// and the desktop snapshot.
#include "app/clock_window_win.h"

#include "frame/placement.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

void ClockWindow::Reshape() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const WindowRegion region =
        RegionForShape(settings_.CShape, settings_.RSqr, {client.right, client.bottom});
    const Rect& b = region.bounds;
    HRGN handle = nullptr;
    if (region.shape == RegionShape::Ellipse) {
        handle = CreateEllipticRgn(b.left, b.top, b.right, b.bottom);
    } else if (region.shape == RegionShape::RoundRect) {
        handle = CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, region.corner, region.corner);
    }
    // SetWindowRgn owns the region from here on; a null region shows the whole rectangle.
    if (!SetWindowRgn(hwnd_, handle, TRUE) && handle) DeleteObject(handle);
}

void ClockWindow::Restack() {
    const ZOrderSteps steps = ZOrderForFacePos(settings_.FacePos);
    for (int i = 0; i < steps.count; ++i) {
        HWND after = steps.steps[i] == ZOrder::TopMost     ? HWND_TOPMOST
                     : steps.steps[i] == ZOrder::NoTopMost ? HWND_NOTOPMOST
                                                           : HWND_BOTTOM;
        // Activating a window raises it, which would undo the move to the bottom at once. A
        // hidden clock (in the tray, or not yet shown at start) takes its place unseen: showing
        // it would bring back a clock whose timers are stopped.
        const bool shown = IsWindowVisible(hwnd_) != FALSE;
        const UINT activation = after == HWND_BOTTOM || !shown ? SWP_NOACTIVATE : 0;
        SetWindowPos(hwnd_, after, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | (shown ? SWP_SHOWWINDOW : 0) | activation);
    }
}

// Asking the platform costs a fifth of a millisecond under Wine, more than a whole frame, so the
// screens are taken at start and again whenever the monitors or a work area change.
void ClockWindow::RefreshScreens() {
    live_.screen = MaximizedArea();
    ReadMonitors(monitors_);
}

void ClockWindow::WatchMonitors() {
    ReadMonitors(monitorsSeen_);
    if (monitorsSeen_ != monitors_) DisplaysChanged();
}

Rect ClockWindow::Desktop() const {
    Rect desktop;
    for (const Monitor& monitor : monitors_) desktop = Union(desktop, monitor.bounds);
    return desktop;
}

// Every tick holds the window: the rectangle comes from the last move, not from the window
// manager, and the monitors from the last change, so a tick asks the platform nothing.
bool ClockWindow::KeepOnScreen() {
    return KeepWindowOnScreen(hwnd_, frame_, monitors_, settings_.IgnoreBoundary);
}

void ClockWindow::DisplaysChanged() {
    RefreshScreens();
    MoveTo({settings_.FL, settings_.FT});
    KeepOnScreen();
    app_.ShowLiveValues();
}

// Sizes the window to the face, puts it at FL, FT, keeps it on the screen (with IgnoreBoundary,
// only from off every monitor), and cuts it to its shape: what start-up and a loaded
// configuration both do.
void ClockWindow::FitWindowToFace() {
    const Size face = pictures_->face.GetSize();
    // A borderless popup: the window is its client area.
    SetWindowPos(hwnd_, nullptr, settings_.FL, settings_.FT, face.width, face.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    KeepOnScreen();
    Reshape();
}

void ClockWindow::MoveTo(Point topLeft) {
    SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The snapshot face at a new size: the window, both pictures and the requested centre follow,
// the shape is cut again and the desktop behind the window taken anew.
void ClockWindow::ResizeSnapshot(Size size) {
    pictures_->face.Resize(size);
    pictures_->display.Resize(size);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ClockSettings& s = ChangeSettings();
    s.ACX.requested = size.width / 2;
    s.ACY.requested = size.height / 2;
    Reshape();
    TakeSnapshot();
}

void ClockWindow::ShowTaskbarButton(bool show) { app_.ShowTaskbarButton(show); }

void ClockWindow::TakeSnapshot() {
    RECT frame;
    GetWindowRect(hwnd_, &frame);
    const bool shown = IsWindowVisible(hwnd_) != FALSE;
    ShowWindow(hwnd_, SW_HIDE);
    // Give the windows behind the clock time to repaint before their pixels are taken.
    Sleep(100);
    CaptureDesktop(pictures_->face, {frame.left, frame.top});
    Sleep(100);
    // A clock hidden in the tray stays hidden. Shown without activation: the settings window
    // that asked for the snapshot keeps the keyboard, and the field being typed in its text.
    if (shown) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

}  // namespace marvix
