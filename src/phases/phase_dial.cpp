#include "phases/phase_dial.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace marvix {

int DialSize(int stored, Size screen) {
    const int larger = std::max(screen.width, screen.height);
    return larger > 0 ? std::min(stored, larger) : stored;
}

void BeginDial(Surface& dial, const Surface& face, Point at, int S, Colour sky, Colour base,
               bool smooth) {
    dial.Resize({S, S});
    dial.CopyFrom(face, Rect::At(at, {S, S}), {0, 0});
    dial.Ellipse({0, 0, S, S}, Pen{sky, 1, smooth}, Brush{sky});
    if (smooth) {
        // A fill up to anti-aliased borders would leak through them: the ground is a half disc of
        // its own, its rim on the sky disc's from the left end of the horizon round to the right.
        std::array<Point, 41> ground;
        const double r = (S - 1) / 2.0;
        for (size_t i = 0; i < ground.size(); ++i) {
            const double a = std::numbers::pi * double(i) / double(ground.size() - 1);
            ground[i] = {int(std::lround(r - r * std::cos(a))),
                         int(std::lround(r + r * std::sin(a)))};
        }
        ground.front().y = ground.back().y = S / 2;
        dial.Polygon(ground, Pen{base, 1, true}, Brush{base});
        return;
    }
    dial.MoveTo({0, S / 2});
    dial.LineTo({S, S / 2}, Pen{base});
    dial.Arc({0, 0, S, S}, {0, S / 2}, {S, S / 2}, Pen{base});
    // The line and the rim's lower half are the border that keeps the fill to the ground.
    dial.FloodFill({S / 2, (3 * S) / 4}, base, base);
}

void CopyDial(Surface& frame, const Surface& dial, Point at, int S, bool halved, bool mirrored,
              int faceWidth) {
    const Size picture = dial.GetSize();
    const int height = halved ? picture.height / 2 : picture.height;
    if (!mirrored) {
        frame.CopyFrom(dial, Rect::At({0, 0}, {picture.width, height}), at);
        return;
    }
    frame.StretchFrom(dial, {picture.width - 1, 0}, {-picture.width, height},
                      Rect::At({faceWidth - at.x - S, at.y}, {S, halved ? S / 2 : S}));
}

}  // namespace marvix
