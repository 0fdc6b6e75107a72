#include "windows/scaled_controls_win.h"

#include <commctrl.h>

#include "base/lazy_library_win.h"
#include "base/message_seam_win.h"
#include "frame/placement.h"

namespace marvix {

void ScaledControls::Attach(HWND window, HINSTANCE instance, int dpi) {
    window_ = window;
    instance_ = instance;
    dpi_ = dpi;
}

HWND ScaledControls::Add(ControlKind kind, const char* windowClass, const char* text, DWORD style,
                         Rect b, int id) {
    const Rect at = AtDpi(b, dpi_);
    HWND control =
        CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                        at.Width(), at.Height(), window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (control) controls_.push_back({control, kind, b});
    return control;
}

HWND ScaledControls::AddArrows(HWND field, Rect r, int id) {
    EnsureCommonControls();
    HWND arrows = Add(kSpinEdits, UPDOWN_CLASSA, "",
                      UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                      Rect::At({r.right, r.top}, {16, r.Height()}), id);
    if (!arrows) return nullptr;
    SetWindowPos(arrows, field, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(arrows, UDM_SETBUDDY, WPARAM(field), 0);
    arrows_.push_back(arrows);
    return arrows;
}

void ScaledControls::ApplyFont(unsigned kinds, HFONT font) const {
    for (const Control& control : controls_) {
        if (kinds & control.kind) SendMessageA(control.hwnd, WM_SETFONT, WPARAM(font), TRUE);
    }
}

void ScaledControls::Relayout(int dpi, HFONT font) {
    dpi_ = dpi;
    for (const Control& control : controls_) {
        const Rect at = AtDpi(control.design, dpi_);
        SetWindowPos(control.hwnd, nullptr, at.left, at.top, at.Width(), at.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(control.hwnd, WM_SETFONT, WPARAM(font), FALSE);
    }
    for (HWND arrows : arrows_)
        SendMessageA(arrows, UDM_SETBUDDY, SendMessageA(arrows, UDM_GETBUDDY, 0, 0), 0);
}

HWND ScaledControls::DefaultPushButton() const {
    for (const Control& control : controls_) {
        if (SendMessageA(control.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return control.hwnd;
    }
    return nullptr;
}

void EnsureCommonControls() {
    static const bool initialised = [] {
        // The up-down arrows, the tooltips, the key fields and the month calendar only:
        // ICC_STANDARD_CLASSES belongs to common controls 6, which this program does not ask
        // for, and the version it gets would refuse the whole call.
        const auto initialise =
            LazyFunction<decltype(&InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                                                           ICC_HOTKEY_CLASS | ICC_DATE_CLASSES};
        return initialise && initialise(&controls) != FALSE;
    }();
    if (!initialised) ReportFailureOnce("Cannot load the common controls.");
}

}  // namespace marvix
