#pragma once

// Bitmap files made by the tests themselves: 8 bits per pixel, a palette of the given colours,
// pixel (x, y) taking palette entry index(x, y).

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace marvix {

inline std::vector<uint8_t> PaletteBitmap(int width, int height, std::vector<uint32_t> palette,
                                          const std::function<int(int, int)>& index,
                                          size_t totalSize = 0) {
    const size_t stride = (size_t(width) + 3) / 4 * 4;
    const size_t offset = 14 + 40 + 1024;
    std::vector<uint8_t> b(offset + stride * size_t(height));
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, uint32_t(b.size()));
    put32(10, uint32_t(offset));
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    b[26] = 1;
    b[28] = 8;
    for (size_t i = 0; i < palette.size(); ++i) {  // blue, green, red, reserved
        b[54 + 4 * i] = uint8_t(palette[i]);
        b[55 + 4 * i] = uint8_t(palette[i] >> 8);
        b[56 + 4 * i] = uint8_t(palette[i] >> 16);
    }
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            b[offset + stride * size_t(row) + size_t(x)] = uint8_t(index(x, height - 1 - row));
        }
    }
    if (totalSize > b.size()) b.resize(totalSize, 0);
    return b;
}

inline std::vector<uint8_t> SolidBitmap(int width, int height, uint32_t rgb, size_t totalSize = 0) {
    return PaletteBitmap(
        width, height, {rgb}, [](int, int) { return 0; }, totalSize);
}

// Writes the bytes to a file of that name in the temporary folder and returns its path.
std::string WriteTempFile(const char* name, const std::vector<uint8_t>& bytes);

}  // namespace marvix
