#pragma once

// Pictures in memory, as the clock's surfaces and bitmap files exchange them: pixels 0x00RRGGBB,
// rows from the top.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace marvix {

// A picture that owns its pixels.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A surface's pixels where they are, rows `stride` pixels apart.
struct PixelView {
    const uint32_t* pixels;
    size_t stride;
};

}  // namespace marvix
