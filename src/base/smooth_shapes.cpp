#include "base/smooth_shapes.h"

#include <agg_gamma_lut.h>
#include <agg_pixfmt_rgb.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_u.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace marvix {

namespace {

// Blending in linear light: a pixel half covered by white over black is half as bright to the
// eye, not the darker 128 that plain sRGB arithmetic gives.
using GammaTable = agg::gamma_lut<agg::int8u, agg::int16u, 8, 12>;
using Blender = agg::blender_rgb_gamma<agg::rgba8, agg::order_bgr, GammaTable>;
using PixelFormat = agg::pixfmt_alpha_blend_rgb<Blender, agg::rendering_buffer, 4, 0>;

const GammaTable& Gamma() {
    static const GammaTable table(2.2);
    return table;
}

agg::rgba8 AggColour(Colour colour) {
    return agg::rgba8(colour.Red(), colour.Green(), colour.Blue(), 255);
}

struct Vertex {
    double x, y;
};

// The centre of a GDI point's pixel, at the target's scale.
Vertex Centre(Point p, double scale) { return {(p.x + 0.5) * scale, (p.y + 0.5) * scale}; }

constexpr double kTau = 2 * std::numbers::pi;

// Enough steps round an ellipse that no chord strays a tenth of a pixel from it.
int StepsFor(double rx, double ry) {
    const double r = std::max({rx, ry, 0.5});
    return std::clamp(int(std::ceil(kTau / std::acos(1 - 0.1 / std::max(r, 0.2)))), 8, 720);
}

}  // namespace

struct SmoothPainter::Rasteriser {
    agg::rasterizer_scanline_aa<> ras;
    agg::scanline_u8 scanline;
    Size grownFor;

    // The rasteriser's cells and the scanline grow to the largest shape met. They are grown at
    // once to more than any of the clock's shapes on a picture of this size asks (three times its
    // border's cells), so that a steady tick never takes more from the heap; a smaller picture
    // needs no more.
    void GrowFor(Size size) {
        if (size.width <= grownFor.width && size.height <= grownFor.height) return;
        size = {std::max(size.width, grownFor.width), std::max(size.height, grownFor.height)};
        grownFor = size;
        const double w = size.width, h = size.height;
        for (int ring = 0; ring < 3; ++ring) {
            const double in = ring * 0.3;
            const std::array<Vertex, 4> border{
                {{in, in}, {w - in, in}, {w - in, h - in}, {in, h - in}}};
            AddOutline(4, [&](int i) { return border[size_t(i)]; });
        }
        ras.rewind_scanlines();  // sorts the cells: their sorted copy grows too
        ras.reset();
        scanline.reset(0, size.width);
    }

    // A closed outline, turned so that every outline added the same way adds to the shape (the
    // rasteriser's non-zero rule) and one added `reversed` cuts a hole in it.
    template <class VertexAt>
    void AddOutline(int count, VertexAt at, bool reversed = false) {
        if (count < 3) return;
        double area = 0;
        for (int i = 0; i < count; ++i) {
            const Vertex a = at(i), b = at((i + 1) % count);
            area += a.x * b.y - b.x * a.y;
        }
        const bool flip = (area < 0) != reversed;
        for (int i = 0; i < count; ++i) {
            const Vertex v = at(flip ? count - 1 - i : i);
            if (i == 0) ras.move_to_d(v.x, v.y);
            else ras.line_to_d(v.x, v.y);
        }
        ras.close_polygon();
    }

    void AddEllipse(Vertex c, double rx, double ry, bool reversed = false) {
        if (rx <= 0 || ry <= 0) return;
        const int steps = StepsFor(rx, ry);
        AddOutline(
            steps,
            [&](int i) {
                const double a = kTau * i / steps;
                return Vertex{c.x + rx * std::cos(a), c.y + ry * std::sin(a)};
            },
            reversed);
    }

    // A band `width` wide along the segment, with a round end at `b` when asked (so that a
    // polyline of them joins without notches).
    void AddSegment(Vertex a, Vertex b, double width, bool roundEnd) {
        const double dx = b.x - a.x, dy = b.y - a.y, length = std::hypot(dx, dy);
        if (length > 0) {
            const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
            const std::array<Vertex, 4> band{{{a.x + nx, a.y + ny},
                                              {b.x + nx, b.y + ny},
                                              {b.x - nx, b.y - ny},
                                              {a.x - nx, a.y - ny}}};
            AddOutline(4, [&](int i) { return band[size_t(i)]; });
        }
        if (roundEnd) AddEllipse(b, width / 2, width / 2);
    }

    void Fill(const PixelTarget& target, Colour colour, uint8_t alpha = 255) {
        agg::rendering_buffer buffer(reinterpret_cast<agg::int8u*>(target.pixels),
                                     unsigned(target.size.width), unsigned(target.size.height),
                                     target.stride * 4);
        PixelFormat format(buffer);
        format.blender().gamma(Gamma());
        agg::renderer_base<PixelFormat> renderer(format);
        const Rect clip = target.clip;
        if (!clip.Empty()) renderer.clip_box(clip.left, clip.top, clip.right - 1, clip.bottom - 1);
        agg::rgba8 paint = AggColour(colour);
        paint.a = alpha;
        agg::render_scanlines_aa_solid(ras, scanline, renderer, paint);
        ras.reset();
    }
};

SmoothPainter::SmoothPainter() : rasteriser_(std::make_unique<Rasteriser>()) {}

SmoothPainter::~SmoothPainter() = default;

void SmoothPainter::Line(const PixelTarget& target, Point from, Point to, const Pen& pen) {
    const bool round = pen.width >= 2;
    const double width = std::max(pen.width, 1) * target.scale;
    Rasteriser& r = *rasteriser_;
    r.GrowFor(target.size);
    if (round) r.AddEllipse(Centre(from, target.scale), width / 2, width / 2);
    r.AddSegment(Centre(from, target.scale), Centre(to, target.scale), width, round);
    r.Fill(target, pen.colour);
}

void SmoothPainter::Polygon(const PixelTarget& target, std::span<const Point> points,
                            const Pen& pen, const Brush& brush) {
    Rasteriser& r = *rasteriser_;
    r.GrowFor(target.size);
    const int count = int(points.size());
    if (!brush.clear) {
        r.AddOutline(count, [&](int i) { return Centre(points[size_t(i)], target.scale); });
        r.Fill(target, brush.colour, brush.alpha);
    }
    // A pen of no width draws no outline: the fill's own edge is smooth.
    if (pen.width == 0 && !brush.clear) return;
    const double width = std::max(pen.width, 1) * target.scale;
    for (int i = 0; i < count; ++i)
        r.AddSegment(Centre(points[size_t(i)], target.scale),
                     Centre(points[size_t((i + 1) % count)], target.scale), width, pen.width >= 2);
    r.Fill(target, pen.colour);
}

void SmoothPainter::Ellipse(const PixelTarget& target, Rect b, const Pen& pen, const Brush& brush) {
    Rasteriser& r = *rasteriser_;
    r.GrowFor(target.size);
    const double k = target.scale;
    const Vertex c{(b.left + b.right) / 2.0 * k, (b.top + b.bottom) / 2.0 * k};
    const double rx = b.Width() / 2.0 * k, ry = b.Height() / 2.0 * k;
    const double width = std::max(pen.width, 1) * k;
    if (!brush.clear) {
        r.AddEllipse(c, rx - width / 2, ry - width / 2);
        r.Fill(target, brush.colour);
    }
    r.AddEllipse(c, rx, ry);
    r.AddEllipse(c, rx - width, ry - width, true);
    r.Fill(target, pen.colour);
}

void SmoothPainter::Arc(const PixelTarget& target, Rect b, Point start, Point end, const Pen& pen) {
    Rasteriser& r = *rasteriser_;
    r.GrowFor(target.size);
    const double k = target.scale;
    const Vertex c{(b.left + b.right) / 2.0 * k, (b.top + b.bottom) / 2.0 * k};
    const double width = std::max(pen.width, 1) * k;
    const double rx = b.Width() / 2.0 * k - width / 2, ry = b.Height() / 2.0 * k - width / 2;
    // Angles as the eye reads them on the screen, y upward, so counter-clockwise is increasing.
    const auto angleOf = [&](Point p) {
        return std::atan2(c.y - Centre(p, target.scale).y, Centre(p, target.scale).x - c.x);
    };
    const double from = angleOf(start);
    double to = angleOf(end);
    if (to <= from) to += kTau;
    const int steps = std::max(2, int(StepsFor(rx, ry) * (to - from) / kTau) + 1);
    const auto at = [&](int i) {
        const double a = from + (to - from) * i / steps;
        return Vertex{c.x + rx * std::cos(a), c.y - ry * std::sin(a)};
    };
    for (int i = 0; i < steps; ++i) r.AddSegment(at(i), at(i + 1), width, i + 1 < steps);
    r.Fill(target, pen.colour);
}

std::vector<uint8_t> RoundedRectCoverage(Size size, Rect bounds, Size corner) {
    std::vector<uint8_t> coverage(size_t(std::max(size.width, 0)) *
                                  size_t(std::max(size.height, 0)));
    if (coverage.empty() || bounds.Empty()) return coverage;
    agg::rasterizer_scanline_aa<> ras;
    agg::scanline_u8 scanline;
    const double rx = std::min(corner.width, bounds.Width()) / 2.0,
                 ry = std::min(corner.height, bounds.Height()) / 2.0;
    // A quarter ellipse at each corner, clockwise from the top-left (y grows downward).
    const struct {
        double cx, cy, from;
    } corners[] = {{bounds.left + rx, bounds.top + ry, 0.5},
                   {bounds.right - rx, bounds.top + ry, 0.75},
                   {bounds.right - rx, bounds.bottom - ry, 0},
                   {bounds.left + rx, bounds.bottom - ry, 0.25}};
    const int steps = std::max(1, StepsFor(rx, ry) / 4);
    bool first = true;
    for (const auto& c : corners) {
        for (int i = 0; i <= steps; ++i) {
            const double turn = kTau * (c.from + 0.25 * i / steps);
            const double x = c.cx + rx * std::cos(turn), y = c.cy + ry * std::sin(turn);
            if (first) {
                ras.move_to_d(x, y);
            } else {
                ras.line_to_d(x, y);
            }
            first = false;
        }
    }
    ras.close_polygon();
    if (!ras.rewind_scanlines()) return coverage;
    scanline.reset(ras.min_x(), ras.max_x());
    while (ras.sweep_scanline(scanline)) {
        const int y = scanline.y();
        if (y < 0 || y >= size.height) continue;
        auto span = scanline.begin();
        for (unsigned n = scanline.num_spans(); n > 0; --n, ++span) {
            for (int i = 0; i < span->len; ++i) {
                const int x = span->x + i;
                if (x >= 0 && x < size.width)
                    coverage[size_t(y) * size_t(size.width) + size_t(x)] = span->covers[i];
            }
        }
    }
    return coverage;
}

}  // namespace marvix
