#include "app/frame_changes.h"

#include <gtest/gtest.h>

#include <vector>

namespace marvix {
namespace {

TEST(FrameChanges, SameFramesChangeNothing) {
    std::vector<uint32_t> a(12 * 5, 7), b(12 * 5, 7);
    EXPECT_FALSE(ChangedArea({a.data(), 12}, {b.data(), 12}, Rect{0, 0, 12, 5}).has_value());
}

TEST(FrameChanges, TheBoxHoldsEveryChangedPixelAndNoMore) {
    std::vector<uint32_t> a(12 * 5, 7), b(12 * 5, 7);
    a[1 * 12 + 9] = 1;
    a[3 * 12 + 2] = 1;
    EXPECT_EQ(ChangedArea({a.data(), 12}, {b.data(), 12}, Rect{0, 0, 12, 5}), (Rect{2, 1, 10, 4}));
    a.assign(a.size(), 7);
    a[0] = 0;
    a[4 * 12 + 11] = 0;
    EXPECT_EQ(ChangedArea({a.data(), 12}, {b.data(), 12}, Rect{0, 0, 12, 5}), (Rect{0, 0, 12, 5}));
}

TEST(FrameChanges, StridesWiderThanTheFrameAreRespected) {
    // The frame is 3 wide inside rows of 8; what lies beyond the frame does not count.
    std::vector<uint32_t> a(8 * 2, 0), b(4 * 2, 0);
    a[5] = 9;
    EXPECT_FALSE(ChangedArea({a.data(), 8}, {b.data(), 4}, Rect{0, 0, 3, 2}).has_value());
    a[8 + 2] = 9;
    EXPECT_EQ(ChangedArea({a.data(), 8}, {b.data(), 4}, Rect{0, 0, 3, 2}), (Rect{2, 1, 3, 2}));
}

}  // namespace
}  // namespace marvix
