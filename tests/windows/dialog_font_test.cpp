#include "windows/dialog_font.h"

#include <gtest/gtest.h>

#include "base/geometry.h"

namespace marvix {
namespace {

// In pixels: 8 points at 96 per inch in the raster face the windows were drawn with, 8 points in a
// scalable one elsewhere, so that the text grows with the scaled windows.
TEST(DialogFont, EightPointsRasterAtNinetySixScalableElsewhere) {
    EXPECT_EQ(DialogFontFor(96).face, "MS Sans Serif");
    EXPECT_EQ(DialogFontFor(96).pixels, 11);
    const std::pair<int, int> scaled[] = {{72, 8}, {120, 13}, {144, 16}, {192, 21}};
    for (auto [dpi, pixels] : scaled) {
        EXPECT_EQ(DialogFontFor(dpi).face, "Tahoma") << dpi;
        EXPECT_EQ(DialogFontFor(dpi).pixels, pixels) << dpi;
    }
}

// Lengths laid out at 96 per inch, scaled to the nearest pixel, half a pixel away from zero; a
// rectangle's edges each on their own.
TEST(DialogFont, LayoutScalesToTheNearestPixel) {
    const struct {
        int length, dpi, scaled;
    } cases[] = {{10, 96, 10}, {10, 120, 13}, {10, 144, 15},    {11, 144, 17}, {-11, 144, -17},
                 {1, 120, 1},  {2, 144, 3},   {677, 192, 1354}, {0, 144, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(AtDpi(c.length, c.dpi), c.scaled) << c.length << "@" << c.dpi;
    EXPECT_EQ(AtDpi(Rect{276, 28, 332, 49}, 144), (Rect{414, 42, 498, 74}));
}

}  // namespace
}  // namespace marvix
