#include "windows/dialog_font.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(DialogFont, SansSerifEightAtNinetySixPixelsPerInchSerifSixElsewhere) {
    EXPECT_EQ(DialogFontFor(96).face, "MS Sans Serif");
    EXPECT_EQ(DialogFontFor(96).points, 8);
    for (int dpi : {72, 120, 144, 192}) {
        EXPECT_EQ(DialogFontFor(dpi).face, "MS Serif") << dpi;
        EXPECT_EQ(DialogFontFor(dpi).points, 6) << dpi;
    }
}

}  // namespace
}  // namespace marvix
