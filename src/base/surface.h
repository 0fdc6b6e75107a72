#pragma once

// The drawing surface every picture of the clock is: the display picture the tick composes, the
// face, the twelve display surfaces and the two phase dials. The core draws through this
// interface only; the shell implements it with GDI on 32-bit device-independent bitmaps, and
// tests with a recording surface.
//
// Every call carries what it draws with (pen, brush, font), so drawing code never depends on
// what an earlier call left selected. The one piece of state is the pen position, as on every
// canvas: MoveTo sets it, LineTo draws from it and leaves it at the end point.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/colour.h"
#include "base/geometry.h"

namespace marvix {

// A set of font style flags.
struct FontStyle {
    static constexpr uint8_t kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;
    uint8_t flags = 0;

    constexpr bool Has(uint8_t flag) const { return (flags & flag) != 0; }
    friend constexpr bool operator==(FontStyle, FontStyle) = default;
};

// A smooth pen draws its line, and the shape it outlines is filled, with anti-aliased edges;
// otherwise each pixel is the shape's or not, as GDI draws.
struct Pen {
    Colour colour;
    int width = 1;
    bool smooth = false;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// A solid brush, or none: "clear" draws shapes and text without filling behind them. A smooth
// shape's fill may be see-through (`alpha` below 255); GDI's shapes are always opaque.
struct Brush {
    Colour colour;
    bool clear = false;
    uint8_t alpha = 255;
    static Brush Clear() { return Brush{Colour{}, true}; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Font {
    std::string face;  // empty: the surface's default face
    int pointSize = 8;
    FontStyle style;
    Colour colour;
    friend bool operator==(const Font&, const Font&) = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual Size GetSize() const = 0;
    // A number that changes whenever the pixels may have changed: a frame that copies from this
    // surface and remembers the number knows when the pixels it copied are no longer there.
    virtual uint32_t Version() const = 0;
    // The colour as plain red, green and blue: a system colour is resolved to what it is now.
    virtual Colour Resolve(Colour colour) const = 0;
    // New contents are unspecified until drawn.
    virtual void Resize(Size size) = 0;

    virtual void MoveTo(Point point) = 0;
    virtual void LineTo(Point point, const Pen& pen) = 0;
    // Closed, filled with the brush and outlined with the pen.
    virtual void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) = 0;
    virtual void Ellipse(Rect bounds, const Pen& pen, const Brush& brush) = 0;
    // Part of the ellipse's outline, counter-clockwise from the ray through `start` to the ray
    // through `end`.
    virtual void Arc(Rect bounds, Point start, Point end, const Pen& pen) = 0;
    virtual void FillRect(Rect area, Colour colour) = 0;
    // Fills outward from `seed` until pixels of the border colour.
    virtual void FloodFill(Point seed, Colour border, Colour fill) = 0;

    virtual Size TextExtent(std::string_view text, const Font& font) = 0;
    // Text with its top-left at `origin`; the cells are filled with the brush unless it is clear.
    virtual void WriteText(Point origin, std::string_view text, const Font& font,
                           const Brush& background) = 0;

    // A plain copy of `from` (in the source) to `to` (in this surface).
    virtual void CopyFrom(const Surface& source, Rect from, Point to) = 0;
    // A stretched plain copy: the source rectangle starts at `sourceOrigin` and has `sourceSize`;
    // a negative source width runs leftward from sourceOrigin.x and mirrors the picture.
    virtual void StretchFrom(const Surface& source, Point sourceOrigin, Size sourceSize,
                             Rect to) = 0;
    // From now on every call changes only the pixels inside `area`; nullopt lifts the limit.
    virtual void ClipTo(std::optional<Rect> area) = 0;
};

}  // namespace marvix
