#include "app/frame_changes.h"

#include <cstring>

namespace marvix {

std::optional<Rect> ChangedArea(PixelView now, PixelView before, Size size) {
    const size_t rowBytes = size_t(size.width) * sizeof(uint32_t);
    auto rowDiffers = [&](int y) {
        return std::memcmp(now.pixels + y * now.stride, before.pixels + y * before.stride,
                           rowBytes) != 0;
    };
    int top = 0;
    while (top < size.height && !rowDiffers(top)) ++top;
    if (top == size.height) return std::nullopt;
    int bottom = size.height;
    while (!rowDiffers(bottom - 1)) --bottom;

    int left = size.width, right = 0;
    for (int y = top; y < bottom; ++y) {
        const uint32_t* a = now.pixels + y * now.stride;
        const uint32_t* b = before.pixels + y * before.stride;
        int x = 0;
        while (x < left && a[x] == b[x]) ++x;
        left = x < left ? x : left;
        int end = size.width;
        while (end > right && a[end - 1] == b[end - 1]) --end;
        right = end > right ? end : right;
    }
    return Rect{left, top, right, bottom};
}

}  // namespace marvix
