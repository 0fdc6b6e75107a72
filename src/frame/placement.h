#pragma once

// The rules of the clock window's outline and place: the region of each shape, the
// screen-boundary clamp and the z-position. The shell applies what these decide.

#include <array>
#include <cstdint>
#include <span>

#include "base/geometry.h"

namespace marvix {

enum class RegionShape { None, Ellipse, RoundRect };

struct WindowRegion {
    RegionShape shape = RegionShape::None;
    Rect bounds;
    int corner = 0;  // width and height of the ellipse that rounds each corner
    friend bool operator==(const WindowRegion&, const WindowRegion&) = default;
};

// CShape 0 round, 1 square, 2 square with corners rounded by RSqr; any other value leaves the
// window without a region, so its full rectangle shows.
WindowRegion RegionForShape(int cShape, int rSqr, Size client);

// One monitor of the desktop, in virtual-screen coordinates (the main monitor's top-left is 0, 0;
// a monitor left of or above it has negative ones). Its work area leaves out the taskbar.
struct Monitor {
    Rect bounds;
    Rect work;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The monitor a window belongs to: the one with the largest share of it, else the nearest.
// `monitors` must not be empty.
const Monitor& MonitorFor(Rect window, std::span<const Monitor> monitors);

// Where the screen-boundary clamp puts the top-left of a window with this outer frame: pulled
// back past the right and bottom edges of `area`, then a left or top at or before the area's
// edge one pixel inside it, so a window larger than the area rests one pixel inside its
// top-left.
Point ClampToArea(Rect window, Rect area);

// Where a window is kept: wholly inside the work area of its monitor, or, with the clamp
// switched off, left where it is unless no monitor shows any of it, when it comes back onto the
// nearest. With no monitor known it stays.
Point KeepOnScreen(Rect window, std::span<const Monitor> monitors, bool ignoreBoundary);

// Where a settings window first shows, wholly inside `area` (the work area of the clock's
// monitor) and hiding as little as it can: clear of the clock (`anchor`) above all, then of
// `clearOf` (the control menu, or the clock beside a window help was asked from), then of
// `ratherClearOf` (the other settings windows open), each by the area it would cover. Of the
// places that hide least, the nearest the clock, so that the change it makes can be watched: on
// the right, `gap` pixels away and level with its top, else on the left, below or above, else
// beside whatever is in the way.
Point PlaceBeside(Rect anchor, Size window, Rect area, int gap, std::span<const Rect> clearOf = {},
                  std::span<const Rect> ratherClearOf = {});

// The clock's scale, device pixels for each face pixel: its size in per cent (held to 50 to
// 400), times the screen's own scale (pixels per inch over 96) while it follows the screen.
double ClockScale(int sizePercent, bool followScreen, int dpi);

// Ctrl and the mouse wheel: the size `notches` steps of 10 per cent on (negative: smaller), held
// to 50 to 400.
int SizeAfterWheel(int sizePercent, int notches);

// Where the window's top-left goes when its scale changes from `before` to `after`, so that the
// spot of the face under `pointer` stays under it.
Point KeepSpotUnder(Point pointer, Point topLeft, double before, double after);

// Where a window shows centred in `area` (the work area of the clock's monitor); one larger than
// the area starts at its top-left.
Point CentreIn(Size window, Rect area);

// The clock as an overlay: layered while clicks pass through it or it is see-through, clicks
// passing while ClickThrough, and its opacity (20 to 100 per cent, a stored value held to them)
// as an alpha from 0 to 255. At 100 per cent without click-through it is a plain window, which
// costs nothing and changes no pixel.
// How the clock's outline reaches the screen. Without smooth edges, or for a square clock, it is
// cut by its region on the pixels, every pixel as the clock was always drawn (Cut). With smooth
// edges, a round or rounded clock is a layered window whose edge pixels are blended into the
// desktop (Layered) where `smoothOutline` says: 0 where the system composes windows, 1 always,
// 2 never; else it is cut by its region with the pixels on its edge taken from just inside (Mended),
// since a face is drawn to be cut, its edge blended with the black outside it.
enum class OutlineKind { Cut, Mended, Layered };
OutlineKind OutlineFor(int smoothOutline, bool smoothEdges, bool systemComposes,
                       const WindowRegion& region);

struct OverlayStyle {
    bool layered = false;
    bool clickThrough = false;
    uint8_t alpha = 255;
    friend bool operator==(const OverlayStyle&, const OverlayStyle&) = default;
};
OverlayStyle OverlayStyleFor(bool clickThrough, int opacityPercent);

// Whether a window in front is another program's full-screen one over the clock's monitor: it
// covers the whole monitor, has no caption and is not merely maximised.
bool CoversMonitor(Rect window, Rect monitor, bool captioned, bool maximised);

enum class ZOrder { TopMost, NoTopMost, Bottom };

struct ZOrderSteps {
    int count = 0;
    std::array<ZOrder, 2> steps{};
};

// FacePos 0 top, 1 none, 2 bottom (two steps); any other value leaves the z-order alone.
ZOrderSteps ZOrderForFacePos(int facePos);

}  // namespace marvix
