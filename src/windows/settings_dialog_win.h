#pragma once

// The protocol every settings window follows: a tool window created hidden at start, shown by the
// control menu beside the clock it changes, hidden by its close box, never modal, its keys working
// as in a dialog and its controls scaled to its monitor's resolution.

#include <windows.h>

#include <string>

#include <commctrl.h>

#include "base/geometry.h"
#include "base/scoped_handles_win.h"
#include "settings/clock_settings.h"
#include "windows/dialog_layout_win.h"
#include "windows/scaled_controls_win.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class SettingsDialog {
public:
    SettingsDialog(SettingsWindowHost& host, const DialogLayout& layout);
    virtual ~SettingsDialog();
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    bool Create();
    HWND Window() const { return hwnd_; }
    const DialogLayout& Layout() const { return layout_; }
    bool IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    // Makes the window visible and active; an already visible one just comes to the front.
    void Show();
    // Shows it (beside the clock until the user moves it) above every other window, leaving the
    // focus where it is: what the user is typing in keeps the keys.
    void ShowWithoutFocus();
    void Hide();
    // Placed where it first shows, on the clock's monitor: beside the clock, or centred; and
    // again there when the clock has come to stand over it, even if the user had moved it.
    void MoveBesideClock();
    // Copies the current settings into the controls.
    virtual void ShowSettings() {}
    // After every frame, while the window is visible: shows values the clock itself has just
    // changed (a dragged position, a display placed by the tick). Shows only; writes nothing.
    virtual void ShowLiveValues() {}

protected:
    // The control that has the focus when the window first opens.
    virtual HWND InitialFocus() const { return GetNextDlgTabItem(hwnd_, nullptr, FALSE); }
    // Enter with the focus on a control that is no push button.
    virtual void EnterPressed(HWND focus) { (void)focus; }
    // Escape: whether the focused control took it (a field putting back its value); if not, the
    // window closes.
    virtual bool EscapePressed(HWND focus) {
        (void)focus;
        return false;
    }
    virtual void CreateControls() {}
    // Just before the window first shows: controls a hidden window has no use for, made late so
    // a clock whose settings windows are never opened does not load what they need.
    virtual void CreateControlsForShowing() {}
    virtual bool OnCommand(int id, int notification) {
        (void)id;
        (void)notification;
        return false;
    }
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The window's controls, made at their places for 96 pixels per inch.
    ScaledControls& Controls() { return controls_; }
    // The resolution the window is laid out for now, and the dialog font at it.
    int Dpi() const { return controls_.Dpi(); }
    HFONT Font(bool bold = false) const { return host_.DialogFont(Dpi(), bold); }
    const ClockSettings& Settings() const { return host_.Parts().model.Settings(); }
    // Every change to the settings is made through this, so that the clock saves it.
    ClockSettings& ChangeSettings() { return host_.Parts().model.Edit(); }
    // The window's background colour as a brush, for the controls that paint on it.
    HBRUSH BackgroundBrush() const { return background_.Get(); }
    SettingsWindowHost& host_;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // At creation, and at activations as the layout says: ApplyDialogFont, then the clamp, then
    // ShowSettings.
    void Prepare(bool creating);
    LRESULT DefaultButton() const;
    // WM_DPICHANGED: every control at its place and font for `dpi`, the window where Windows
    // suggests.
    void FollowResolution(int dpi, const RECT& suggested);
    // Before showing: the controls made for showing, the first time; a hidden window placed on
    // the clock's monitor unless the user has placed it. Returns whether it was hidden.
    bool ReadyToShow();
    void Activated(HWND previous);
    void Deactivated();

    DialogLayout layout_;
    // Before hwnd_: the class outlives the window, which the destructor destroys first.
    ScopedWindowClass windowClass_;
    ScopedBrush background_;
    HWND hwnd_ = nullptr;
    ScaledControls controls_;
    bool shownBefore_ = false;
    bool placedByUser_ = false;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
};

}  // namespace marvix
