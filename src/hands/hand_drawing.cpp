#include "hands/hand_drawing.h"

#include <cmath>
#include <numbers>

namespace marvix {

namespace {

using S = ClockSettings;

// Nearest, halves to even (the default rounding mode).
int Round(double value) { return static_cast<int>(std::lrint(value)); }

}  // namespace

void DrawHand(Surface& surface, const ClockSettings& s, const HandPositions& positions, Hand hand) {
    const size_t index = static_cast<size_t>(hand);
    const HandSpec& spec = kHands[index];
    const Colour colour = (s.*spec.colour).value;
    const int L = (s.*spec.length).effective;
    const int W = s.*spec.width;
    const int style = s.*spec.style;
    const bool show = s.*spec.show;
    const bool tail = s.*spec.tail;
    const Point pivot = s.THand ? Point{s.ACX.effective, s.ACY.effective}
                                : Point{positions.pivotX[index], s.*spec.y};

    const Dial dial = DialOf(s, hand);

    const double theta = positions.angle[index];
    const double q = positions.dialPosition[index];
    const double phi1 = 2 * std::numbers::pi * (q - dial.cornerOffset) / dial.units;
    const double phi2 = 2 * std::numbers::pi * (q + dial.cornerOffset) / dial.units;
    const int t = L / 4;
    // Tip and tail offsets from the pivot; each coordinate rounded by itself.
    const Point v{Round(L * std::sin(theta)), -Round(L * std::cos(theta))};
    const Point u{Round(t * std::sin(theta)), -Round(t * std::cos(theta))};
    const Point tip{pivot.x + v.x, pivot.y + v.y};
    const Point tailEnd{pivot.x - u.x, pivot.y - u.y};
    // The corners lie W + 1 from the pivot on the far side of dial angle phi.
    const Point c1{pivot.x - Round((W + 1) * std::sin(phi1)),
                   pivot.y + Round((W + 1) * std::cos(phi1))};
    const Point c2{pivot.x - Round((W + 1) * std::sin(phi2)),
                   pivot.y + Round((W + 1) * std::cos(phi2))};

    const Pen thin{colour, 1};
    const Brush brush{colour};
    auto drawTail = [&](const Pen& linePen) {
        if (style == 0) surface.LineTo(tailEnd, linePen);
        if (style == 1) surface.Polygon(std::array{c1, tailEnd, c2}, thin, brush);
        if (style == 2) {
            surface.Polygon(
                std::array{c1, Point{c1.x - u.x, c1.y - u.y}, Point{c2.x - u.x, c2.y - u.y}, c2},
                thin, brush);
        }
    };
    auto drawHand = [&](const Pen& linePen) {
        if (style == 0) surface.LineTo(tip, linePen);
        if (style == 1) surface.Polygon(std::array{c1, tip, c2}, thin, brush);
        if (style == 2) {
            surface.Polygon(
                std::array{c1, Point{c1.x + v.x, c1.y + v.y}, Point{c2.x + v.x, c2.y + v.y}, c2},
                thin, brush);
        }
    };

    if (!spec.tailFirst) {
        // Hand, then the tail: a line hand runs on from the tip through the pivot.
        surface.MoveTo(pivot);
        if (!show) return;
        drawHand(Pen{colour, W});
        if (tail) drawTail(Pen{colour, W});
        return;
    }
    // Tail first and twice as thick, so it shows as a counterweight under the hand.
    surface.MoveTo(pivot);
    if (show && tail) drawTail(Pen{colour, 2 * W});
    surface.MoveTo(pivot);
    if (show) drawHand(Pen{colour, W});
}

void HandPass(Surface& surface, const ClockSettings& s, const HandPositions& positions) {
    for (size_t slot = kStackingSlots.size(); slot-- > 0;) {
        const std::string& token = s.*kStackingSlots[slot];
        for (size_t i = 0; i < kHandCount; ++i) {
            if (token == kHands[i].token) DrawHand(surface, s, positions, static_cast<Hand>(i));
        }
    }
}

}  // namespace marvix
