#pragma once

// The protocol every settings window follows: a tool window created hidden at start, shown by the
// control menu, hidden by its close box, never modal. Its Prepare runs at creation and (for
// most) at every activation: ApplyDialogFont, then the screen-boundary clamp, then ShowSettings, which copies
// the settings into the controls.
//
// The keyboard works as in a dialog, though the window is built in code: the message loop passes
// its keys through IsDialogMessage (Tab, arrows), Enter presses the focused push button or panel
// (or the default button) or lets the dialog act on the focused field, and Escape does what the
// close box does, unless a field being typed in takes it back to its value. The focus comes back to the control that had it when the window is activated
// again.
//
// A settings window first shows beside the clock, where the change it makes can be watched, until
// the user moves it: from then on it stays where they put it.
//
// Every window is laid out for 96 pixels per inch and shown scaled to the resolution of its
// monitor, its fonts with it; moved onto a monitor of another resolution, it takes the size and
// place Windows suggests and lays itself out again.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include <commctrl.h>

#include "base/geometry.h"
#include "base/scoped_handles_win.h"
#include "settings/clock_settings.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

// The kinds of control ApplyDialogFont gives the dialog font to.
// clang-format off
enum ControlKind : unsigned {
    kButtons = 1, kCheckBoxes = 2, kEdits = 4, kGroupBoxes = 8, kLabels = 16, kPanels = 32,
    kRadioGroups = 64, kSpinEdits = 128, kLists = 256,
};
// clang-format on

enum class Clamp {
    Never,
    OnActivation,               // every activation, whatever IgnoreBoundary says
    OnActivationUnlessIgnored,  // every activation, unless IgnoreBoundary
    OnCreateAndActivation,      // creation and every activation
    OnCreateAndActivationUnlessIgnored,
};

// The purple behind every window of the program but help ($00BBGGRR).
inline constexpr uint32_t kWindowPurple = 0x00800040;

// Loads the common controls this program uses (up-down arrows, tooltips), once; says so if it
// cannot.
void EnsureCommonControls();

struct DialogLayout {
    const char* className;
    const char* caption;
    Size client;          // at 96 pixels per inch
    uint32_t background;  // $00BBGGRR
    Point position;       // initial top-left, unless centred
    bool centred;
    unsigned fontKinds;  // ControlKind bits
    Clamp clamp;
    bool createOnActivation;  // Prepare runs again at every activation
    // A settings window shows beside the clock it changes, and the control menu beside the clock
    // it was asked from, so that the windows it opens find room clear of both; the exit
    // confirmation stays where it is put (centred).
    bool besideClock = true;
    // A group box paints only its frame and caption: a window with one around other controls
    // paints its background beneath its children too.
    bool clipChildren = true;
};

// What a window or control shows as its text.
std::string WindowText(HWND window);
// A window's caption with whose it is: "Marvix Face (Tokyo)", or the caption alone.
std::string CaptionOf(std::string_view caption, const std::string& whose);

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
    // Placed again where it first showed (the clock has come to stand over it), even if the user
    // had moved it.
    void MoveBesideClock() { PlaceOnClocksMonitor(); }
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

    // A control at `bounds` as laid out for 96 pixels per inch.
    HWND AddControl(ControlKind kind, const char* windowClass, const char* text, DWORD style,
                    Rect bounds, int id);
    // Up-down arrows inside the right edge of `field` (laid out at `fieldPlace`), typing numbers
    // into it, so a click is a user's change like a keystroke. They follow their field in the
    // window order, in its group: a dialog's arrow keys move within a group and must not land on
    // them. The common controls are loaded first.
    HWND AddArrows(HWND field, Rect fieldPlace, int id);
    // The resolution the window is laid out for now, and the dialog font at it.
    int Dpi() const { return dpi_; }
    HFONT Font(bool bold = false) const { return host_.DialogFont(dpi_, bold); }
    const ClockSettings& Settings() const { return host_.Parts().model.Settings(); }
    // Every change to the settings is made through this, so that the clock saves it.
    ClockSettings& ChangeSettings() { return host_.Parts().model.Edit(); }
    // The window's background colour as a brush, for the controls that paint on it.
    HBRUSH BackgroundBrush() const { return background_.Get(); }
    SettingsWindowHost& host_;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Prepare(bool creating);
    LRESULT DefaultButton() const;
    void MoveFocus(WPARAM wParam, LPARAM lParam);
    bool IsOwnWindow(HWND other) const;
    void ApplyDialogFont();
    // WM_DPICHANGED: every control at its place and font for `dpi`, the window where Windows
    // suggests.
    void FollowResolution(int dpi, const RECT& suggested);
    void ClampToScreen();
    // Before showing: the controls made for showing, the first time; a hidden window placed on
    // the clock's monitor unless the user has placed it. Returns whether it was hidden.
    bool ReadyToShow();
    // Where it first shows, on the clock's monitor: beside the clock, or centred.
    void PlaceOnClocksMonitor();
    void Activated(HWND previous);
    void Deactivated();

    DialogLayout layout_;
    // Before hwnd_: the class outlives the window, which the destructor destroys first.
    ScopedWindowClass windowClass_;
    ScopedBrush background_;
    HWND hwnd_ = nullptr;
    struct Control {
        HWND hwnd;
        ControlKind kind;
        Rect design;  // at 96 pixels per inch
    };
    std::vector<Control> controls_;
    std::vector<HWND> arrows_;  // the up-down arrows, each beside its field
    int dpi_ = 96;
    bool shownBefore_ = false;
    bool placedByUser_ = false;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
};

}  // namespace marvix
