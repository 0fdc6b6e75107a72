#pragma once

// A window's controls, laid out for 96 pixels per inch and shown at the window's resolution: each
// made at its place scaled, given the dialog font by its kind, and moved and given the font again
// when the window goes to a monitor of another resolution.

#include <windows.h>

#include <vector>

#include "base/geometry.h"

namespace marvix {

// The kinds of control ApplyFont gives the dialog font to.
// clang-format off
enum ControlKind : unsigned {
    kButtons = 1, kCheckBoxes = 2, kEdits = 4, kGroupBoxes = 8, kLabels = 16, kPanels = 32,
    kRadioGroups = 64, kSpinEdits = 128, kLists = 256,
};
// clang-format on

class ScaledControls {
public:
    // The window the controls belong to, at its resolution.
    void Attach(HWND window, HINSTANCE instance, int dpi);
    int Dpi() const { return dpi_; }

    // A control at `bounds` as laid out for 96 pixels per inch.
    HWND Add(ControlKind kind, const char* windowClass, const char* text, DWORD style, Rect bounds,
             int id);
    // Up-down arrows inside the right edge of `field` (laid out at `fieldPlace`), typing numbers
    // into it, so a click is a user's change like a keystroke. They follow their field in the
    // window order, in its group: a dialog's arrow keys move within a group and must not land on
    // them. The common controls are loaded first.
    HWND AddArrows(HWND field, Rect fieldPlace, int id);
    // `font` for the controls of the given kinds (ControlKind bits).
    void ApplyFont(unsigned kinds, HFONT font) const;
    // Every control at its place for `dpi`, in `font`; each field's arrows at its edge again.
    void Relayout(int dpi, HFONT font);
    // The push button that says it is the default, or none.
    HWND DefaultPushButton() const;

private:
    struct Control {
        HWND hwnd;
        ControlKind kind;
        Rect design;  // at 96 pixels per inch
    };
    HWND window_ = nullptr;
    HINSTANCE instance_ = nullptr;
    int dpi_ = 96;
    std::vector<Control> controls_;
    std::vector<HWND> arrows_;  // the up-down arrows, each beside its field
};

// Loads the common controls this program uses (up-down arrows, tooltips), once; says so if it
// cannot.
void EnsureCommonControls();

}  // namespace marvix
