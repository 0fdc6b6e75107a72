#pragma once

// Where the clock window is and what it looks like from outside: its rectangle, the monitors it
// may stand on, the screen-boundary clamp, its outline (region), its z-position and the desktop
// snapshot taken behind it, as the clock's settings say.
//
// Asking the platform costs a fifth of a millisecond under Wine, more than a whole frame, so the
// monitors are taken at start and whenever they or a work area change, and the window's rectangle
// at every move: a tick holding the window on the screen asks the platform nothing.

#include <windows.h>

#include <vector>

#include "base/gdi_surface_win.h"
#include "base/geometry.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_window_win.h"
#include "clock/layered_outline_win.h"
#include "frame/clock_model.h"
#include "frame/placement.h"
#include "windows/clock_parts.h"

namespace marvix {

class ClockPlacement final : public ClockPlace, public WindowPlaceEvents {
public:
    ClockPlacement(ClockOwner& owner, ClockModel& model) : owner_(owner), model_(model) {}

    // The window placed from now on (once it exists), and its smooth outline.
    void Attach(HWND window, LayeredOutline& outline);
    // WindowPlaceEvents: the window's rectangle as of its last move or resize; the screens taken
    // again; the user's drag kept in FL, FT.
    void WindowMoved() override;
    void ScreensChanged() override { RefreshScreens(); }
    // Monitors came or went: the clock goes back to its own place, FL, FT, if a monitor shows it,
    // else onto the nearest.
    void DisplaysChanged() override;
    void Dragged(Point topLeft) override;
    bool Moveable() const override { return model_.Settings().MoveIt; }
    bool ClickThrough() const override { return model_.Settings().ClickThrough; }
    Rect Frame() const override { return {frame_.left, frame_.top, frame_.right, frame_.bottom}; }

    // The main screen's maximised-window area (kept in the model's live state) and the monitors,
    // taken anew.
    void RefreshScreens();
    Size ScreenArea() const override { return model_.Live().screen; }
    // The rectangle holding every monitor, as last taken.
    Rect Desktop() const override;

    // Holds the window on the work area of its monitor, or with IgnoreBoundary brings it back
    // only from off every monitor; returns whether it moved.
    bool KeepOnScreen();
    // CShape and RSqr: the window cut to its shape (RSqr in face pixels, at the scale); with
    // smooth edges, where SmoothOutline asks, its edge blended into the desktop instead.
    void Reshape() override;
    void SetScale(double scale) { scale_ = scale; }
    // FacePos: above, among or beneath the other windows.
    void Restack() override;
    void MoveTo(Point topLeft) override;
    void ShowTaskbarButton(bool show) override { owner_.ShowTaskbarButton(show); }
    // Sized to the face, put at FL, FT, kept on the screen and cut to its shape: what start-up, a
    // face picked and a loaded configuration all do.
    void FitToFace(Size face);
    // The snapshot face at a new size: the window follows, cut to its shape again.
    void Resize(Size size);
    // The desktop behind the window becomes `face`: the window hides while its pixels are taken.
    void TakeSnapshot(GdiSurface& face);
    // ClickThrough and Opacity: the window layered, see-through and passing clicks as they say,
    // or a plain window again.
    void ApplyOverlay() override;
    // Whether another program's full-screen window is in front on the clock's monitor.
    bool FullScreenInFront() const;

private:
    ClockOwner& owner_;
    ClockModel& model_;
    HWND window_ = nullptr;
    RECT frame_{};
    std::vector<Monitor> monitors_;
    OverlayStyle overlay_;
    LayeredOutline* outline_ = nullptr;
    double scale_ = 1.0;
};

}  // namespace marvix
