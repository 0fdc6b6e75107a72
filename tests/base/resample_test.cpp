#include "base/resample.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

// A face made smaller is filtered, never picked pixel by pixel: a one-pixel checkerboard of black
// and white halved reads as its mean (linear light's, as the eye adds it), with no pattern left.
TEST(Resample, ACheckerboardHalvedReadsAsItsMean) {
    Picture board{40, 40, {}};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) board.pixels.push_back((x + y) % 2 ? 0xFFFFFFu : 0u);
    const Picture half = Resampled(board, {20, 20});
    ASSERT_EQ(half.pixels.size(), 400u);
    for (int y = 2; y < 18; ++y) {
        for (int x = 2; x < 18; ++x) {
            const uint32_t pixel = half.At(x, y);
            for (int shift : {0, 8, 16})
                EXPECT_NEAR(int(pixel >> shift & 0xFF), 188, 4) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace marvix
