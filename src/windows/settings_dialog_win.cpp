// A settings window's protocol. Its Prepare runs at creation and (for most) at every activation:
// the dialog font, then the screen-boundary clamp, then ShowSettings, which copies the settings
// into the controls.
//
// The keyboard works as in a dialog, though the window is built in code: the message loop passes
// its keys through IsDialogMessage (Tab, arrows), Enter presses the focused push button or panel
// (or the default button) or lets the dialog act on the focused field, and Escape does what the
// close box does, unless a field being typed in takes it back to its value. The focus comes back
// to the control that had it when the window is activated again.
//
// A settings window first shows beside the clock, where the change it makes can be watched, until
// the user moves it: from then on it stays where they put it.
//
// Every window is laid out for 96 pixels per inch and shown scaled to the resolution of its
// monitor, its fonts with it; moved onto a monitor of another resolution, it takes the size and
// place Windows suggests and lays itself out again.
#include "windows/settings_dialog_win.h"

#include <utility>

#include "base/colour.h"
#include "base/lazy_library_win.h"
#include "base/message_seam_win.h"
#include "base/window_thunk_win.h"
#include "frame/placement.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), int(text.size()))));
    return text;
}

std::string CaptionOf(std::string_view caption, const std::string& whose) {
    std::string text(caption);
    if (!whose.empty()) text += " (" + whose + ")";
    return text;
}

SettingsDialog::SettingsDialog(SettingsWindowHost& host, const DialogLayout& layout)
    : host_(host), layout_(layout) {}

SettingsDialog::~SettingsDialog() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool SettingsDialog::Create() {
    windowClass_ =
        ScopedWindowClass(WindowClassOf(host_.Instance(), layout_.className, WindowProc));
    if (!windowClass_) return false;
    background_.Reset(CreateSolidBrush(layout_.background));
    if (!background_) {
        ReportFailureOnce("Cannot create a brush: Windows is out of GDI resources.");
        return false;
    }

    const DWORD style =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | (layout_.clipChildren ? WS_CLIPCHILDREN : 0);
    const DWORD exStyle = WS_EX_TOOLWINDOW;
    // The window's size at a resolution: its client area scaled, with its frame around it.
    const auto frameAt = [&](int dpi) {
        const Size client = AtDpi(layout_.client, dpi);
        RECT frame{0, 0, client.width, client.height};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
        return Size{frame.right - frame.left, frame.bottom - frame.top};
    };
    // The screen's resolution until the window knows its monitor's.
    int dpi = DpiOf(nullptr);
    const auto [width, height] = frameAt(dpi);
    int left = layout_.position.x, top = layout_.position.y;
    if (layout_.centred) {
        left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    }
    hwnd_ = CreateWindowExA(exStyle, layout_.className, layout_.caption, style, left, top, width,
                            height, host_.Owner(), nullptr, host_.Instance(), this);
    if (!hwnd_) return false;
    // A monitor of its own resolution (Windows 10 and later): the window's size follows it.
    if (const int own = DpiOf(hwnd_); own != dpi) {
        dpi = own;
        const Size framed = frameAt(dpi);
        SetWindowPos(hwnd_, nullptr, 0, 0, framed.width, framed.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    controls_.Attach(hwnd_, host_.Instance(), dpi);
    CreateControls();
    Prepare(true);
    return true;
}

void SettingsDialog::Show() {
    const bool hidden = ReadyToShow();
    if (hidden) ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
}

void SettingsDialog::ShowWithoutFocus() {
    ReadyToShow();
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

bool SettingsDialog::ReadyToShow() {
    if (!std::exchange(shownBefore_, true)) CreateControlsForShowing();
    // A clock renamed since it last showed is named anew.
    const std::string caption = CaptionOf(layout_.caption, host_.Whose());
    if (caption != WindowText(hwnd_)) SetWindowTextA(hwnd_, caption.c_str());
    if (IsWindowVisible(hwnd_)) return false;
    if (!placedByUser_) MoveBesideClock();
    return true;
}

// On the clock's monitor, clear of the taskbar; the clamp then has nothing to do. A settings
// window shows beside the clock, the control menu and the exit confirmation in the middle.
void SettingsDialog::MoveBesideClock() {
    // Clear of the control menu it was opened from, and of the other settings windows where the
    // monitor has room.
    const std::optional<Rect> menu = host_.MenuFrame();
    PlaceNear(hwnd_, host_.Parts().place.Frame(),
              layout_.besideClock ? Near::Beside : Near::Centred,
              menu ? std::span<const Rect>(&*menu, 1) : std::span<const Rect>(),
              host_.OpenSettingsFrames());
}

void SettingsDialog::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void SettingsDialog::Prepare(bool creating) {
    const bool fullProtocol = creating || layout_.createOnActivation;
    if (fullProtocol) controls_.ApplyFont(layout_.fontKinds, Font());
    bool clamp = false;
    const bool ignore = Settings().IgnoreBoundary;
    switch (layout_.clamp) {
        case Clamp::Never: break;
        case Clamp::OnActivation: clamp = !creating; break;
        case Clamp::OnActivationUnlessIgnored: clamp = !creating && !ignore; break;
        case Clamp::OnCreateAndActivation: clamp = true; break;
        case Clamp::OnCreateAndActivationUnlessIgnored: clamp = !ignore; break;
    }
    if (clamp) ClampWindow(hwnd_);
    if (fullProtocol) ShowSettings();
}

namespace {

// Coming back from a window of our own (a chooser, a message box) is no new activation:
// refilling then would undo what the user is in the middle of, and a message box shown by the
// fill would come back at every refill.
bool IsOwnedBy(HWND other, HWND owner) {
    for (HWND window = other; window; window = GetWindow(window, GW_OWNER)) {
        if (window == owner) return true;
    }
    return false;
}

// A push button, or a panel the window draws itself: Enter presses it as a click does.
bool IsPressedByEnter(HWND control) {
    const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) return true;
    return (code & DLGC_BUTTON) &&
           (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// IsDialogMessage moves the focus by asking the window, which a dialog's procedure does and
// DefWindowProc does not: the arrow keys among the controls of a group did nothing.
void MoveFocus(HWND dialog, WPARAM wParam, LPARAM lParam) {
    HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
    if (!next) return;
    SetFocus(next);
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(next, EM_SETSEL, 0, -1);
}

}  // namespace

// IsDialogMessage asks which button Enter presses when the focus is not on the default one. A
// dialog makes the focused push button the default; DefWindowProc would answer "none", so Enter
// on any push button but the default did nothing.
LRESULT SettingsDialog::DefaultButton() const {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus) && IsPressedByEnter(focus)) {
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
    }
    if (HWND button = controls_.DefaultPushButton())
        return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
    return 0;
}

void SettingsDialog::FollowResolution(int dpi, const RECT& suggested) {
    if (dpi <= 0) return;
    TakeSuggestedFrame(hwnd_, suggested);
    controls_.Relayout(dpi, host_.DialogFont(dpi, false));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// The settings are shown again, then the focus goes back where the user left it, as a dialog's
// does: the refill finds no field being typed in, and the keys go on where they went.
void SettingsDialog::Activated(HWND previous) {
    host_.SetActiveDialog(hwnd_);
    if (!IsOwnedBy(previous, hwnd_)) Prepare(false);
    HWND focus = lastFocus_;
    if (!focus || !IsWindow(focus) || !IsWindowVisible(focus) || !IsWindowEnabled(focus))
        focus = InitialFocus();
    if (focus) SetFocus(focus);
}

void SettingsDialog::Deactivated() {
    host_.SetActiveDialog(nullptr);
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

LRESULT CALLBACK SettingsDialog::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToOwner(hwnd, message, wParam, lParam, &SettingsDialog::hwnd_,
                          &SettingsDialog::HandleMessage);
}

LRESULT SettingsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                Activated(reinterpret_cast<HWND>(lParam));
            } else {
                Deactivated();
            }
            return 0;
        // Only a move the user makes has this pair around it, never one of the program's own.
        case WM_EXITSIZEMOVE: placedByUser_ = true; return 0;
        case WM_CLOSE: Hide(); return 0;
        case WM_DPICHANGED:
            FollowResolution(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
            return 1;
        }
        case WM_CTLCOLORSTATIC: {
            // Captions on the window's own background, in a colour that reads on it.
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ReadableOn(Colour{layout_.background}).value);
            SetBkColor(dc, layout_.background);
            return reinterpret_cast<LRESULT>(background_.Get());
        }
        case DM_GETDEFID: return DefaultButton();
        case WM_NEXTDLGCTL: MoveFocus(hwnd_, wParam, lParam); return 0;
        case WM_COMMAND:
            // IsDialogMessage's Escape.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                HWND focus = GetFocus();
                if (!(focus && IsChild(hwnd_, focus) && EscapePressed(focus)))
                    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
                return 0;
            }
            // IsDialogMessage's Enter where no push button is the default (there is no OK).
            if (LOWORD(wParam) == IDOK && lParam == 0) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd_, focus)) EnterPressed(focus);
                return 0;
            }
            if (OnCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace marvix
