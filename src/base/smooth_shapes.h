#pragma once

// Anti-aliased shapes, drawn straight into a 32-bit picture in memory (a DIB section's pixels,
// blue, green, red and an unused byte) by AGG's scanline rasteriser, each pixel's coverage blended
// in linear light (gamma 2.2) over what is under it. The shapes take GDI's integer coordinates and
// sit where GDI puts them: a point is the centre of its pixel, an ellipse fills its bounds less
// their right and bottom edges, and its outline lies inside them.
//
// The painter keeps its rasteriser and scanline from one shape to the next, so that drawing the
// same shapes again takes nothing from the heap.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "base/geometry.h"
#include "base/surface.h"

namespace marvix {

// The pixels drawn into: `size` of them in use, rows `stride` pixels apart, top row first, and
// `scale` of them for each of the coordinates' pixels (the clock's size), applied to the shapes
// before they are rasterised; `clip` in the pixels' own coordinates. Pens and brushes hold plain colours (system colours resolved).
struct PixelTarget {
    uint32_t* pixels = nullptr;
    int stride = 0;
    Size size;
    double scale = 1.0;
    Rect clip;  // the only pixels drawn, unless empty
};

// How much of each pixel of a picture `size` large a rectangle `bounds` covers whose corners are
// rounded by ellipses `corner` large (the bounds' own size: an ellipse; none: square corners),
// 0 to 255, rows top first: a window's outline, as its per-pixel alpha.
std::vector<uint8_t> RoundedRectCoverage(Size size, Rect bounds, Size corner);

class SmoothPainter {
public:
    SmoothPainter();
    ~SmoothPainter();
    SmoothPainter(const SmoothPainter&) = delete;
    SmoothPainter& operator=(const SmoothPainter&) = delete;

    // A line of the pen's width between the two points' pixels; round ends from a width of 2.
    void Line(const PixelTarget& target, Point from, Point to, const Pen& pen);
    // Filled with the brush (unless clear) and outlined with the pen along its edges.
    void Polygon(const PixelTarget& target, std::span<const Point> points, const Pen& pen,
                 const Brush& brush);
    void Ellipse(const PixelTarget& target, Rect bounds, const Pen& pen, const Brush& brush);
    // Counter-clockwise on the screen from the ray through `start` to the ray through `end`.
    void Arc(const PixelTarget& target, Rect bounds, Point start, Point end, const Pen& pen);

private:
    struct Rasteriser;
    std::unique_ptr<Rasteriser> rasteriser_;
};

}  // namespace marvix
