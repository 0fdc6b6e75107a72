#include "hands/hand_drawing.h"

#include <cmath>
#include <numbers>

namespace marvix {

namespace {

// Nearest, halves to even (the default rounding mode).
int Round(double value) { return static_cast<int>(std::lrint(value)); }

// Where a hand is drawn: its pivot, the ends of the hand and of its tail with their offsets from
// the pivot, and the two corners a triangle or bar stands on.
struct HandOutline {
    Point pivot;
    Point tip, tailEnd;
    Point toTip, toTail;
    Point corner1, corner2;
};

HandOutline OutlineOf(const ClockSettings& s, const HandGeometry& geometry,
                      const HandPositions& positions, Hand hand) {
    const size_t index = static_cast<size_t>(hand);
    const HandSpec& spec = kHands[index];
    const int L = geometry.lengths[index];
    const int W = s.*spec.width;
    const Point pivot = s.THand ? geometry.centre : Point{positions.pivotX[index], s.*spec.y};
    const Dial dial = DialOf(s, hand);
    const double theta = positions.angle[index];
    const double q = positions.dialPosition[index];
    const double phi1 = 2 * std::numbers::pi * (q - dial.cornerOffset) / dial.units;
    const double phi2 = 2 * std::numbers::pi * (q + dial.cornerOffset) / dial.units;
    const int t = L / 4;
    // Tip and tail offsets from the pivot; each coordinate rounded by itself.
    const Point v{Round(L * std::sin(theta)), -Round(L * std::cos(theta))};
    const Point u{Round(t * std::sin(theta)), -Round(t * std::cos(theta))};
    // The corners lie W + 1 from the pivot on the far side of dial angle phi.
    return {pivot,
            {pivot.x + v.x, pivot.y + v.y},
            {pivot.x - u.x, pivot.y - u.y},
            v,
            {-u.x, -u.y},
            {pivot.x - Round((W + 1) * std::sin(phi1)), pivot.y + Round((W + 1) * std::cos(phi1))},
            {pivot.x - Round((W + 1) * std::sin(phi2)), pivot.y + Round((W + 1) * std::cos(phi2))}};
}

// The hand itself or its tail, out to `end`, `offset` from the pivot: a line drawn on from where
// the pen stands, or a triangle or bar on the corners.
void DrawArm(Surface& surface, HandStyle style, const HandOutline& o, Point end, Point offset,
             const Pen& line, Colour colour) {
    const Pen thin{colour, 1, line.smooth};
    const Brush brush{colour};
    const Point c1 = o.corner1, c2 = o.corner2;
    switch (style) {
        case HandStyle::Line: surface.LineTo(end, line); break;
        case HandStyle::Triangle: surface.Polygon(std::array{c1, end, c2}, thin, brush); break;
        case HandStyle::Bar:
            surface.Polygon(std::array{c1, Point{c1.x + offset.x, c1.y + offset.y},
                                       Point{c2.x + offset.x, c2.y + offset.y}, c2},
                            thin, brush);
            break;
        case HandStyle::NoHand: break;
    }
}

}  // namespace

void DrawHand(Surface& surface, const ClockSettings& s, const HandGeometry& geometry,
              const HandPositions& positions, Hand hand) {
    const HandSpec& spec = kHands[static_cast<size_t>(hand)];
    const Colour colour = (s.*spec.colour).value;
    const int W = s.*spec.width;
    const HandStyle style = HandStyleOf(s.*spec.style);
    const bool show = s.*spec.show;
    const bool tail = s.*spec.tail;
    const HandOutline o = OutlineOf(s, geometry, positions, hand);
    auto drawHand = [&](int width) {
        DrawArm(surface, style, o, o.tip, o.toTip, {colour, width, s.SmoothEdges}, colour);
    };
    auto drawTail = [&](int width) {
        DrawArm(surface, style, o, o.tailEnd, o.toTail, {colour, width, s.SmoothEdges}, colour);
    };

    surface.MoveTo(o.pivot);
    if (!spec.tailFirst) {
        // Hand, then the tail: a line hand runs on from the tip through the pivot.
        if (!show) return;
        drawHand(W);
        if (tail) drawTail(W);
        return;
    }
    // Tail first and twice as thick, so it shows as a counterweight under the hand.
    if (show && tail) drawTail(2 * W);
    surface.MoveTo(o.pivot);
    if (show) drawHand(W);
}

void HandPass(Surface& surface, const ClockSettings& s, const HandGeometry& geometry,
              const HandPositions& positions) {
    for (size_t slot = kStackingSlots.size(); slot-- > 0;) {
        const std::string& token = s.*kStackingSlots[slot];
        for (size_t i = 0; i < kHandCount; ++i) {
            if (token == kHands[i].token)
                DrawHand(surface, s, geometry, positions, static_cast<Hand>(i));
        }
    }
}

}  // namespace marvix
