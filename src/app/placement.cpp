#include "app/placement.h"

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

ZOrderSteps ZOrderForFacePos(int facePos) {
    switch (facePos) {
        case 0: return {1, {ZOrder::TopMost}};
        case 1: return {1, {ZOrder::NoTopMost}};
        case 2: return {2, {ZOrder::NoTopMost, ZOrder::Bottom}};
    }
    return {};
}

}  // namespace marvix
