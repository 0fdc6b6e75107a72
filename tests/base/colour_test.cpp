#include "base/colour.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

const Colour kBlack = Colour::Rgb(0, 0, 0), kWhite = Colour::Rgb(255, 255, 255);

TEST(Contrast, RatiosOfKnownPairs) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(Colour{0x00800040}, Colour{0x00800040}), 1.0);
    // Mid grey #777777 on white is the classic just-below-4.5 pair.
    EXPECT_NEAR(ContrastRatio(Colour::Rgb(0x77, 0x77, 0x77), kWhite), 4.48, 0.01);
}

// A caption keeps its colour where it reads at 4.5 to 1, else takes black or white: navy on the
// phase window's purple, dark red on the red panel of "Sec", magenta's caption, white and yellow
// on the control menu's lavender, aqua on grey, and the digital window's red headings on purple.
TEST(Contrast, ACaptionStandsOutOnAnyBackground) {
    const Colour purple{0x00800040}, lavender{0x00C08080}, grey{0x00808080}, red{0x000000FF},
        magenta{0x00FF00FF}, maroon{0x00000080}, aqua{0x00FFFF00}, yellow{0x0000FFFF},
        lime{0x0000FF00}, navy = Colour::Rgb(0, 0, 0x80);
    const struct {
        Colour background, wanted, shown;
    } cases[] = {
        {purple, navy, kWhite},     {red, maroon, kBlack},      {magenta, kWhite, kBlack},
        {lavender, kWhite, kBlack}, {lavender, yellow, kBlack}, {grey, aqua, kBlack},
        {purple, red, kWhite},      {purple, lime, lime},       {purple, aqua, aqua},
        {purple, kWhite, kWhite},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadableOn(c.background, c.wanted), c.shown)
            << c.wanted.value << " on " << c.background.value;
    }
    EXPECT_EQ(ReadableOn(Colour::Rgb(255, 255, 0)), kBlack);
    for (uint32_t value : {0x000000u, 0x808080u, 0x777777u, 0x00FF00u, 0xFF0000u, 0x0000FFu,
                           0x800040u, 0xFFFFFFu, 0x7F7F7Fu}) {
        const Colour background{value};
        EXPECT_GE(ContrastRatio(ReadableOn(background, background), background), 4.5) << value;
    }
}

}  // namespace
}  // namespace marvix
