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

Point ClampToScreen(Rect window, Size area) {
    Point topLeft{window.left, window.top};
    if (area.height - window.Height() < topLeft.y) topLeft.y = area.height - window.Height();
    if (area.width - window.Width() < topLeft.x) topLeft.x = area.width - window.Width();
    if (topLeft.y < 1) topLeft.y = 1;
    if (topLeft.x < 1) topLeft.x = 1;
    return topLeft;
}

namespace {

// The coordinate nearest `wanted` at which a span of `length` lies within [low, high), or low
// when it cannot.
int Within(int wanted, int length, int low, int high) {
    return std::max(low, std::min(wanted, high - length));
}

}  // namespace

Point PlaceBeside(Rect anchor, Size window, Rect area, int gap) {
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
    const Side* best = &sides[0];
    for (const Side& side : sides) {
        if (side.room >= 0) return side.at;
        if (side.room > best->room) best = &side;
    }
    return {Within(best->at.x, window.width, area.left, area.right),
            Within(best->at.y, window.height, area.top, area.bottom)};
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
