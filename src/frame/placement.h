#pragma once

// The rules of the clock window's outline and place: the region of each shape, the
// screen-boundary clamp and the z-position. The shell applies what these decide.

#include <array>

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

// Where the screen-boundary clamp puts the top-left of a window with this outer frame: inside the
// maximized-window area, and never at coordinate 0 or less.
Point ClampToScreen(Rect window, Size maximizedArea);

// Where a settings window first shows: beside the clock (`anchor`), on the right, else the left,
// else below, else above, `gap` pixels away and wholly inside `area` (the work area of the
// clock's screen), so that the change it makes can be watched. Where no side has room, it takes
// the side with the most and is pulled inside the area, over the clock.
Point PlaceBeside(Rect anchor, Size window, Rect area, int gap);

enum class ZOrder { TopMost, NoTopMost, Bottom };

struct ZOrderSteps {
    int count = 0;
    std::array<ZOrder, 2> steps{};
};

// FacePos 0 top, 1 none, 2 bottom (two steps); any other value leaves the z-order alone.
ZOrderSteps ZOrderForFacePos(int facePos);

}  // namespace marvix
