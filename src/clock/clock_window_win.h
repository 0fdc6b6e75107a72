#pragma once

// ClockWindow, the clock window: borderless, cut to its shape, showing the frame the clock
// composes. It handles its messages, paints, lets the user drag it and carries the tray icon;
// everything else a message means it hands to the clock that owns it (ClockWindowEvents) and to
// the clock's placement (WindowPlaceEvents).

#include <windows.h>

#include <span>
#include <string>

#include "base/gdi_surface_win.h"
#include "base/geometry.h"
#include "clock/clock_owner_win.h"
#include "clock/layered_outline_win.h"
#include "clock/tray_icon_win.h"
#include "clock/window_drag_win.h"

namespace marvix {

// What the clock window's messages mean to the clock.
class ClockWindowEvents {
public:
    virtual void WindowCreated() = 0;
    virtual void FirstActivation() = 0;
    // The system time or zone was set.
    virtual void TimeChanged() = 0;
    // Ctrl and the mouse wheel over the clock: so many notches (negative: towards the user).
    virtual void Zoomed(int notches, Point pointer) = 0;
    // The resolution of the clock's monitor changed, or it went to a monitor of another.
    virtual void ResolutionChanged() = 0;
    // The clock went into the tray (a double click), or came out of it.
    virtual void TrayChanged(bool inTray) = 0;
    // Windows is ending the session: the last chance to save.
    virtual void SessionEnding() = 0;
    virtual void WindowDestroyed() = 0;
    // The clock in words, and the timer it shows: the window's name to a screen reader.
    virtual std::string Reading() const = 0;

protected:
    ~ClockWindowEvents() = default;
};

// What the clock window's messages mean to where it stands.
class WindowPlaceEvents {
public:
    // Monitors came or went (DisplaysChanged), or a work area changed (ScreensChanged).
    virtual void DisplaysChanged() = 0;
    virtual void ScreensChanged() = 0;
    // The window moved or was resized, by anyone.
    virtual void WindowMoved() = 0;
    // The user dragged the window's top-left here.
    virtual void Dragged(Point topLeft) = 0;
    // The left button may drag the window (MoveIt).
    virtual bool Moveable() const = 0;
    // ClickThrough: the clock takes no click, so the tray icon's left click opens the menu.
    virtual bool ClickThrough() const = 0;

protected:
    ~WindowPlaceEvents() = default;
};

class ClockWindow {
public:
    static constexpr char kClassName[] = "TForm1";

    static ScopedWindowClass RegisterWindowClass(HINSTANCE instance);
    // Only the program's first clock has a tray icon.
    ClockWindow(ClockOwner& app, ClockWindowEvents& events, WindowPlaceEvents& place,
                bool withTrayIcon = true)
        : app_(app), events_(events), place_(place), withTrayIcon_(withTrayIcon) {}
    ClockWindow(const ClockWindow&) = delete;
    ClockWindow& operator=(const ClockWindow&) = delete;
    // Creates the window hidden; WindowCreated has run when this returns.
    bool Create();

    HWND Window() const { return hwnd_; }
    TrayIcon& Tray() { return tray_; }
    LayeredOutline& Outline() { return outline_; }
    const TrayIcon& Tray() const { return tray_; }
    bool IsDragging() const { return drag_.Active(); }

    // What the window shows: the display picture, wholly at a paint, the parts that changed at once.
    void Show(const GdiSurface& display) { display_ = &display; }
    void ShowParts(std::span<const Rect> areas);

    // Out of the tray (the tray icon's left button, or another start of the program).
    void ShowFromTray();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Created();
    void Paint();
    void ButtonDown(UINT button);
    void MouseMoved();
    void HideToTray();
    void TrayIconClicked(LPARAM mouseMessage);
    LRESULT KeyDown(WPARAM key, UINT message, LPARAM lParam);

    HWND hwnd_ = nullptr;  // until the window is made, and once it is gone
    ClockOwner& app_;
    ClockWindowEvents& events_;
    WindowPlaceEvents& place_;
    const GdiSurface* display_ = nullptr;
    TrayIcon tray_;
    LayeredOutline outline_;
    bool withTrayIcon_;
    WindowDrag drag_;
    bool activated_ = false;  // the first activation has been handled
};

}  // namespace marvix
