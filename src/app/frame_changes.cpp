#include "app/frame_changes.h"

#include <cstring>

namespace marvix {

std::optional<Rect> ChangedArea(PixelView now, PixelView before, Rect area) {
    if (area.Empty()) return std::nullopt;
    const size_t rowBytes = size_t(area.Width()) * sizeof(uint32_t);
    auto rowDiffers = [&](int y) {
        return std::memcmp(now.pixels + y * now.stride + area.left,
                           before.pixels + y * before.stride + area.left, rowBytes) != 0;
    };
    int top = area.top;
    while (top < area.bottom && !rowDiffers(top)) ++top;
    if (top == area.bottom) return std::nullopt;
    int bottom = area.bottom;
    while (!rowDiffers(bottom - 1)) --bottom;

    int left = area.right, right = area.left;
    for (int y = top; y < bottom; ++y) {
        const uint32_t* a = now.pixels + y * now.stride;
        const uint32_t* b = before.pixels + y * before.stride;
        int x = area.left;
        while (x < left && a[x] == b[x]) ++x;
        left = x < left ? x : left;
        int end = area.right;
        while (end > right && a[end - 1] == b[end - 1]) --end;
        right = end > right ? end : right;
    }
    return Rect{left, top, right, bottom};
}

}  // namespace marvix
