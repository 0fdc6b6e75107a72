#include "clock/clock_window_win.h"

#include <oleacc.h>
#include <windowsx.h>

#include "base/program.h"
#include "base/scoped_handles_win.h"
#include "base/window_thunk_win.h"
#include "clock/resource.h"
#include "windows/accessible_win.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

namespace {

// The keys that open the control menu on the focused clock, as the right button does: Enter,
// the context-menu key and Shift+F10.
bool KeyOpensMenu(WPARAM key) {
    return key == VK_RETURN || key == VK_APPS ||
           (key == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000));
}

}  // namespace

ScopedWindowClass ClockWindow::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = WindowClassOf(instance, kClassName, WindowProc);
    // A DC of its own: GetDC for each frame then hands back the same DC instead of making one
    // anew, which under Wine selects the stock font into it, and the X11 driver reads the X
    // resources (~/.Xdefaults, from disk) for every font selected.
    windowClass.style = CS_DBLCLKS | CS_OWNDC;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MARVIX));
    return ScopedWindowClass(windowClass);
}

bool ClockWindow::Create() {
    // Owned by the application's window, which carries the taskbar button (see HideMe).
    return CreateWindowExA(0, kClassName, kProgramTitle, WS_POPUP | WS_CLIPCHILDREN, 243, 109, 198,
                           189, app_.Owner(), nullptr, app_.Instance(), this) != nullptr;
}

LRESULT CALLBACK ClockWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToOwner(hwnd, message, wParam, lParam, &ClockWindow::hwnd_,
                          &ClockWindow::HandleMessage);
}

LRESULT ClockWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: Created(); return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !activated_) {
                activated_ = true;
                events_.FirstActivation();
            }
            return 0;
        case WM_WINDOWPOSCHANGED:
            outline_.Follow();
            place_.WindowMoved();
            break;
        case WM_ERASEBKGND: return 1;  // the frame covers every pixel
        case WM_PAINT: Paint(); return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            ButtonDown(message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON);
            return 0;
        case WM_MOUSEMOVE: MouseMoved(); return 0;
        case WM_LBUTTONUP: drag_.End(hwnd_); return 0;
        case WM_CAPTURECHANGED: drag_.Lost(); return 0;
        case WM_LBUTTONDBLCLK: HideToTray(); return 0;
        case TrayIcon::kCallbackMessage: TrayIconClicked(lParam); return 0;
        case WM_TIMECHANGE: events_.TimeChanged(); return 0;
        case WM_GETOBJECT: {
            const LRESULT answer = AnswerGetObject(
                hwnd_, wParam, lParam, {.role = ROLE_SYSTEM_CLOCK, .name = events_.Reading()});
            if (answer) return answer;
            break;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: return KeyDown(wParam, message, lParam);
        // From the keyboard only (lParam -1): the right button already opened the menu when it
        // went down, and its release would open it again.
        case WM_CONTEXTMENU:
            if (lParam == -1) app_.ShowMenuOrExitConfirmation();
            return 0;
        case WM_DISPLAYCHANGE: place_.DisplaysChanged(); return 0;
        case WM_DPICHANGED:
            FollowDpiChange(hwnd_, lParam);
            events_.ResolutionChanged();
            return 0;
        case WM_MOUSEWHEEL:
            if (!(GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL)) break;
            events_.Zoomed(GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA,
                           {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETTINGCHANGE: place_.ScreensChanged(); return 0;
        case WM_ENDSESSION:
            if (wParam) events_.SessionEnding();
            return 0;
        case WM_DESTROY:
            tray_.Remove();
            events_.WindowDestroyed();
            return 0;
    }
    if (tray_.ShellRestarted(message)) return 0;
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void ClockWindow::Created() {
    if (display_) outline_.Attach(hwnd_, *display_);
    if (withTrayIcon_) {
        tray_.Add(hwnd_, static_cast<HICON>(LoadImageA(app_.Instance(), MAKEINTRESOURCEA(IDI_TRAY),
                                                       IMAGE_ICON, 16, 16, LR_SHARED)));
    }
    events_.WindowCreated();
}

LRESULT ClockWindow::KeyDown(WPARAM key, UINT message, LPARAM lParam) {
    if (key == 'C' && message == WM_KEYDOWN) {
        app_.ShowCalendar();
        return 0;
    }
    if (!KeyOpensMenu(key)) return DefWindowProcA(hwnd_, message, key, lParam);
    app_.ShowMenuOrExitConfirmation();
    return 0;
}

void ClockWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    if (display_) {
        const Size size = display_->DeviceSize();
        BitBlt(dc, 0, 0, size.width, size.height, display_->Dc(), 0, 0, SRCCOPY);
        outline_.AfterDraw(dc, {0, 0, size.width, size.height});
    }
    EndPaint(hwnd_, &paint);
}

// The frame is complete in the display picture, and differs from the one on screen only within
// `area`. Straight to the window, rather than through an invalidated area and a paint message: a
// paint asks the window server for the update region several times over.
void ClockWindow::ShowParts(std::span<const Rect> areas) {
    if (!display_) return;
    if (const BorrowedDc dc(hwnd_); dc) {
        for (Rect area : areas) {
            area = display_->DeviceRect(area);
            BitBlt(dc.Get(), area.left, area.top, area.Width(), area.Height(), display_->Dc(),
                   area.left, area.top, SRCCOPY);
            outline_.AfterDraw(dc.Get(), area);
        }
    }
}

void ClockWindow::ButtonDown(UINT button) {
    if (button == MK_LBUTTON) {
        drag_.Begin(hwnd_);
        return;
    }
    // The right button: the control menu, or with Still off the exit confirmation.
    app_.ShowMenuOrExitConfirmation();
    drag_.Resume();
}

void ClockWindow::MouseMoved() {
    const std::optional<POINT> to = drag_.Moved(hwnd_, place_.Moveable());
    if (!to) return;
    SetWindowPos(hwnd_, nullptr, to->x, to->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    place_.Dragged({to->x, to->y});
}

void ClockWindow::HideToTray() {
    ShowWindow(hwnd_, SW_HIDE);
    events_.TrayChanged(true);
}

void ClockWindow::TrayIconClicked(LPARAM mouseMessage) {
    // A clock that takes no clicks is reached through its icon: the left button opens the menu
    // too, once the clock is out of the tray.
    if (mouseMessage == WM_LBUTTONDOWN && (!IsWindowVisible(hwnd_) || !place_.ClickThrough())) {
        ShowFromTray();
        // The one icon serves every clock: the others hidden in the tray come back with this one.
        app_.TrayIconPressed();
    } else if (mouseMessage == WM_LBUTTONDOWN) {
        app_.ShowMenuOrExitConfirmation();
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        app_.TrayMenuWanted(hwnd_);
    }
}

void ClockWindow::ShowFromTray() {
    if (IsWindowVisible(hwnd_)) return;
    // Out of the tray before the window shows: showing it may activate it, and a first activation
    // hides a clock that is still in the tray.
    events_.TrayChanged(false);
    ShowWindow(hwnd_, SW_SHOW);
    drag_.Lost();
}

}  // namespace marvix
