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

// Navy captions on the phase window's purple could not be read.
TEST(Contrast, ACaptionStandsOutOnAnyBackground) {
    const Colour purple{0x00800040}, navy = Colour::Rgb(0, 0, 0x80);
    EXPECT_EQ(ReadableOn(purple, navy), kWhite);
    EXPECT_EQ(ReadableOn(purple, Colour::Rgb(0, 255, 0)), Colour::Rgb(0, 255, 0)) << "kept";
    EXPECT_EQ(ReadableOn(Colour::Rgb(255, 255, 0)), kBlack);
    for (uint32_t value : {0x000000u, 0x808080u, 0x777777u, 0x00FF00u, 0xFF0000u, 0x0000FFu,
                           0x800040u, 0xFFFFFFu, 0x7F7F7Fu}) {
        const Colour background{value};
        EXPECT_GE(ContrastRatio(ReadableOn(background, background), background), 3.0) << value;
    }
}

}  // namespace
}  // namespace marvix
