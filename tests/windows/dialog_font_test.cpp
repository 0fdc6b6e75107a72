#include "windows/dialog_font.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

// In pixels: 8 points at 96 per inch, 6 points elsewhere, but no taller than at 144, where 6
// points at 192 would have clipped the captions of the pixel layout.
TEST(DialogFont, SansSerifEightAtNinetySixPixelsPerInchSerifSixElsewhereNoTallerThanAt144) {
    EXPECT_EQ(DialogFontFor(96).face, "MS Sans Serif");
    EXPECT_EQ(DialogFontFor(96).pixels, 11);
    const std::pair<int, int> serif[] = {{72, 6}, {120, 10}, {144, 12}, {192, 12}};
    for (auto [dpi, pixels] : serif) {
        EXPECT_EQ(DialogFontFor(dpi).face, "MS Serif") << dpi;
        EXPECT_EQ(DialogFontFor(dpi).pixels, pixels) << dpi;
    }
}

}  // namespace
}  // namespace marvix
