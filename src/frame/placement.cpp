#include "frame/placement.h"

#include <algorithm>

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

}  // namespace

Point PlaceBeside(Rect anchor, Size window, Rect area, int gap, std::span<const Rect> clearOf) {
    const int alongY = Within(anchor.top, window.height, area.top, area.bottom);
    const int alongX = Within(anchor.left, window.width, area.left, area.right);
    struct Side {
        Point at;
        int room;  // what is left on that side once the window is there
    };
    const Side sides[] = {
        {{anchor.right + gap, alongY}, area.right - anchor.right - gap - window.width},
        {{anchor.left - gap - window.width, alongY}, anchor.left - gap - window.width - area.left},
        {{alongX, anchor.bottom + gap}, area.bottom - anchor.bottom - gap - window.height},
        {{alongX, anchor.top - gap - window.height}, anchor.top - gap - window.height - area.top},
    };
    const auto clear = [&](Point at) {
        const Rect placed = Rect::At(at, window);
        return std::none_of(clearOf.begin(), clearOf.end(),
                            [&](Rect other) { return !Intersection(placed, other).Empty(); });
    };
    const Side* best = &sides[0];
    const Side* roomy = nullptr;
    for (const Side& side : sides) {
        if (side.room >= 0 && clear(side.at)) return side.at;
        if (side.room >= 0 && !roomy) roomy = &side;
        if (side.room > best->room) best = &side;
    }
    if (roomy) return roomy->at;
    return {Within(best->at.x, window.width, area.left, area.right),
            Within(best->at.y, window.height, area.top, area.bottom)};
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
