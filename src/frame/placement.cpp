#include "frame/placement.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace marvix {

WindowRegion RegionForShape(int cShape, int rSqr, Size client) {
    const Rect bounds{0, 0, client.width, client.height};
    switch (cShape) {
        case 0: return {RegionShape::Ellipse, bounds, 0};
        case 1: return {RegionShape::RoundRect, bounds, 0};
        case 2: return {RegionShape::RoundRect, bounds, rSqr};
    }
    return {};
}

namespace {

long long Area(Rect r) { return r.Empty() ? 0 : 1LL * r.Width() * r.Height(); }

// How far apart two rectangles are (0 when they touch or overlap), squared.
long long DistanceSquared(Rect a, Rect b) {
    const long long dx = std::max({0, b.left - a.right, a.left - b.right});
    const long long dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

}  // namespace

const Monitor& MonitorFor(Rect window, std::span<const Monitor> monitors) {
    const Monitor* best = &monitors.front();
    long long bestShare = -1, bestDistance = 0;
    for (const Monitor& monitor : monitors) {
        const long long share = Area(Intersection(window, monitor.bounds));
        const long long distance = DistanceSquared(window, monitor.bounds);
        if (share > bestShare || (share == 0 && bestShare == 0 && distance < bestDistance)) {
            best = &monitor;
            bestShare = share;
            bestDistance = distance;
        }
    }
    return *best;
}

Point ClampToArea(Rect window, Rect area) {
    Point topLeft{window.left, window.top};
    if (area.bottom - window.Height() < topLeft.y) topLeft.y = area.bottom - window.Height();
    if (area.right - window.Width() < topLeft.x) topLeft.x = area.right - window.Width();
    if (topLeft.y <= area.top) topLeft.y = area.top + 1;
    if (topLeft.x <= area.left) topLeft.x = area.left + 1;
    return topLeft;
}

Point KeepOnScreen(Rect window, std::span<const Monitor> monitors, bool ignoreBoundary) {
    const Point here{window.left, window.top};
    if (monitors.empty()) return here;
    const Monitor& monitor = MonitorFor(window, monitors);
    if (ignoreBoundary && !Intersection(window, monitor.bounds).Empty()) return here;
    return ClampToArea(window, monitor.work);
}

namespace {

// The coordinate nearest `wanted` at which a span of `length` lies within [low, high), or low
// when it cannot.
int Within(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length));
}

int64_t Covered(Rect placed, std::span<const Rect> others) {
    int64_t covered = 0;
    for (Rect other : others) {
        const Rect both = Intersection(placed, other);
        covered += int64_t{both.Width()} * both.Height();
    }
    return covered;
}

// How far apart two rectangles are, along both axes; 0 when they touch or overlap.
int Apart(Rect a, Rect b) {
    return std::max({0, a.left - b.right, b.left - a.right}) +
           std::max({0, a.top - b.bottom, b.top - a.bottom});
}

}  // namespace

Point PlaceBeside(Rect anchor, Size window, Rect area, int gap, std::span<const Rect> clearOf,
                  std::span<const Rect> ratherClearOf) {
    // The places tried: beside the clock and beside each thing in the way, on each side and level
    // with each edge, and against the area's edges; the clock's own sides first, so that they win
    // a tie.
    std::vector<Rect> edges{anchor};
    edges.insert(edges.end(), clearOf.begin(), clearOf.end());
    edges.insert(edges.end(), ratherClearOf.begin(), ratherClearOf.end());
    std::vector<int> xs, ys;
    for (Rect e : edges) {
        xs.insert(xs.end(), {e.right + gap, e.left - gap - window.width, e.left});
        ys.insert(ys.end(), {e.top, e.bottom + gap, e.top - gap - window.height});
    }
    xs.insert(xs.end(), {area.left, area.right - window.width});
    ys.insert(ys.end(), {area.top, area.bottom - window.height});
    const auto inside = [&](Point at) {
        return Point{Within(at.x, window.width, area.left, area.right),
                     Within(at.y, window.height, area.top, area.bottom)};
    };
    const Point alongside = inside({anchor.left, anchor.top});
    std::vector<Point> places{
        {anchor.right + gap, alongside.y},
        {anchor.left - gap - window.width, alongside.y},
        {alongside.x, anchor.bottom + gap},
        {alongside.x, anchor.top - gap - window.height},
    };
    for (int y : ys)
        for (int x : xs) places.push_back({x, y});

    struct Cost {
        int64_t clock, clearOf, rather;
        int apart;
        auto operator<=>(const Cost&) const = default;
    };
    std::optional<Cost> best;
    Point chosen{};
    for (Point place : places) {
        const Point at = inside(place);
        const Rect placed = Rect::At(at, window);
        const Cost cost{Covered(placed, {&anchor, 1}), Covered(placed, clearOf),
                        Covered(placed, ratherClearOf), Apart(placed, anchor)};
        if (!best || cost < *best) best = cost, chosen = at;
    }
    return chosen;
}

double ClockScale(int sizePercent, bool followScreen, int dpi) {
    const double size = std::clamp(sizePercent, 50, 400) / 100.0;
    return followScreen && dpi > 0 ? size * dpi / 96.0 : size;
}

int SizeAfterWheel(int sizePercent, int notches) {
    return std::clamp(std::clamp(sizePercent, 50, 400) + 10 * notches, 50, 400);
}

Point KeepSpotUnder(Point pointer, Point topLeft, double before, double after) {
    const auto keep = [&](int at, int from) {
        return at - int(std::lround((at - from) / before * after));
    };
    return {keep(pointer.x, topLeft.x), keep(pointer.y, topLeft.y)};
}

OutlineKind OutlineFor(int smoothOutline, bool smoothEdges, bool systemComposes,
                       const WindowRegion& region) {
    const bool curved = region.shape == RegionShape::Ellipse ||
                        (region.shape == RegionShape::RoundRect && region.corner > 0);
    if (!smoothEdges || !curved) return OutlineKind::Cut;
    const bool layered = smoothOutline == 1 || (smoothOutline == 0 && systemComposes);
    return layered ? OutlineKind::Layered : OutlineKind::Mended;
}

OverlayStyle OverlayStyleFor(bool clickThrough, int opacityPercent) {
    const int percent = std::clamp(opacityPercent, 20, 100);
    return {.layered = clickThrough || percent < 100,
            .clickThrough = clickThrough,
            .alpha = static_cast<uint8_t>((percent * 255 + 50) / 100)};
}

bool CoversMonitor(Rect window, Rect monitor, bool captioned, bool maximised) {
    if (captioned || maximised || monitor.Empty()) return false;
    return window.left <= monitor.left && window.top <= monitor.top &&
           window.right >= monitor.right && window.bottom >= monitor.bottom;
}

Point CentreIn(Size window, Rect area) {
    return {std::max(area.left, area.left + (area.Width() - window.width) / 2),
            std::max(area.top, area.top + (area.Height() - window.height) / 2)};
}

ZOrderSteps ZOrderForFacePos(int facePos) {
    switch (facePos) {
        case 0: return {1, {ZOrder::TopMost}};
        case 1: return {1, {ZOrder::NoTopMost}};
        case 2: return {2, {ZOrder::NoTopMost, ZOrder::Bottom}};
    }
    return {};
}

}  // namespace marvix
