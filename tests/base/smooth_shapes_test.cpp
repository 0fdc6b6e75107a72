#include "base/smooth_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace marvix {
namespace {

double Linear(uint32_t channel) { return std::pow(channel / 255.0, 2.2); }

// A line two pixels wide along a row of pixel centres covers the rows beside it by half: there it
// is the half blend in linear light (within a tenth), over black and over blue alike; along its
// middle row it is its own colour, and a row further out is untouched.
TEST(SmoothShapes, AnEdgeThatHalfCoversAPixelBlendsItByHalf) {
    const struct {
        uint32_t under;  // 0x00RRGGBB, as the picture holds it
        Colour pen;
        int shift;  // of the channel measured
    } cases[] = {{0x000000, Colour::Rgb(255, 255, 255), 8}, {0x0000FF, Colour::Rgb(255, 0, 0), 16}};
    for (const auto& c : cases) {
        std::vector<uint32_t> pixels(40 * 20, c.under);
        SmoothPainter painter;
        painter.Line({pixels.data(), 40, {40, 20}, 1.0, {}}, {2, 10}, {37, 10},
                     Pen{c.pen, 2, true});
        const auto at = [&](int y) { return (pixels[size_t(y) * 40 + 20] >> c.shift) & 0xFF; };
        EXPECT_NEAR(Linear(at(9)), 0.5, 0.1) << std::hex << c.under;
        EXPECT_NEAR(Linear(at(11)), 0.5, 0.1);
        EXPECT_EQ(at(10), 255u);
        EXPECT_EQ(at(8), (c.under >> c.shift) & 0xFF);
    }
}

// A smooth ellipse, as GDI's, keeps to its bounds less their right and bottom edges, and to the
// target's clip.
TEST(SmoothShapes, AnEllipseKeepsToItsBoundsAndTheClip) {
    std::vector<uint32_t> pixels(30 * 30, 0);
    SmoothPainter painter;
    painter.Ellipse({pixels.data(), 30, {30, 30}, 1.0, {0, 0, 16, 30}}, {5, 5, 25, 25},
                    Pen{Colour::Rgb(255, 0, 0), 2, true}, Brush{Colour::Rgb(0, 0, 255)});
    int outside = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x)
            outside += (x < 5 || y < 5 || x >= 16 || y >= 25) && pixels[size_t(y) * 30 + x] != 0;
    }
    EXPECT_EQ(outside, 0) << "pixels drawn outside the bounds or the clip";
    EXPECT_EQ(pixels[15 * 30 + 15], 0xFFu) << "filled with the brush";
    EXPECT_EQ(pixels[15 * 30 + 6], 0xFF0000u) << "outlined with the pen";
}

// At twice the size a hand reaches twice as far from its pivot, within a pixel: the one scale is
// applied to every coordinate before the shape is rasterised.
TEST(SmoothShapes, AtTwiceTheSizeAHandReachesTwiceAsFar) {
    const auto reach = [](double scale) {
        const int side = int(100 * scale);
        std::vector<uint32_t> pixels(size_t(side) * side, 0);
        SmoothPainter painter;
        const PixelTarget target{pixels.data(), side, {side, side}, scale, {}};
        painter.Polygon(target, std::array<Point, 3>{{{50, 50}, {80, 90}, {55, 45}}},
                        Pen{Colour::Rgb(255, 255, 255), 1, true},
                        Brush{Colour::Rgb(255, 255, 255)});
        double farthest = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (pixels[size_t(y) * side + x] >> 16 & 0xFF)
                    farthest = std::max(farthest,
                                        std::hypot(x + 0.5 - 50.5 * scale, y + 0.5 - 50.5 * scale));
        return farthest;
    };
    EXPECT_NEAR(reach(2), 2 * reach(1), 1);
}

// The clock's outline as a window's alpha: whole inside, nothing at the corners, and the edge's
// pixels partly covered, adding up to the shape's area (a circle, a square with rounded corners).
TEST(OutlineCoverage, AnEllipseAndARoundedSquareCoverWhatTheirAreaSays) {
    const double pi = 3.14159265;
    for (const auto& [corner, area] :
         {std::pair{40, pi * 400}, std::pair{10, 1600 - 100 + pi * 25}}) {
        const std::vector<uint8_t> cover =
            RoundedRectCoverage({40, 40}, {0, 0, 40, 40}, {corner, corner});
        double total = 0;
        for (uint8_t a : cover) total += a / 255.0;
        EXPECT_NEAR(total, area, area * 0.005) << corner;
        EXPECT_EQ(cover[20 * 40 + 20], 255);
        EXPECT_EQ(cover[0] + cover[40 * 40 - 1], 0) << "the corners";
    }
}

}  // namespace
}  // namespace marvix
