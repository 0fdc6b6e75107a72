#include "hands/hand_geometry.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(FaceGeometry, AutomaticLengthsAndCentreFollowTheSmallerSide) {
    ClockSettings s = DefaultSettings();
    HandGeometry g;
    g = EffectiveHandGeometry(s, {200, 200});
    EXPECT_EQ(g.centre.x, 100);
    EXPECT_EQ(g.centre.y, 100);
    EXPECT_EQ(g.lengths[0], 40);
    EXPECT_EQ(g.lengths[1], 66);
    EXPECT_EQ(g.lengths[2], 78);
    EXPECT_EQ(g.lengths[3], 33);
    EXPECT_EQ(g.lengths[4], 33);
    EXPECT_EQ(g.lengths[5], 33);
    EXPECT_EQ(g.lengths[6], 66);
    EXPECT_EQ(g.lengths[7], 78);

    g = EffectiveHandGeometry(s, {201, 99});
    EXPECT_EQ(g.lengths[0], 19) << "the smaller side, 99, over five";
    EXPECT_EQ(g.centre.x, 100);  // division truncates
    EXPECT_EQ(g.centre.y, 49);
}

TEST(FaceGeometry, RequestedCentreOnlyWhenItLiesOnTheFace) {
    ClockSettings s = DefaultSettings();
    HandGeometry g;
    s.CHands = false;
    s.ACX.requested = 70;
    s.ACY.requested = 30;
    g = EffectiveHandGeometry(s, {100, 100});
    EXPECT_EQ(g.centre.x, 70);
    EXPECT_EQ(g.centre.y, 30);

    s.ACX.requested = 150;  // beyond a 100-pixel-wide face
    g = EffectiveHandGeometry(s, {100, 100});
    EXPECT_EQ(g.centre.x, 50);
    EXPECT_EQ(g.centre.y, 50);

    s.ACX.requested = 70;
    s.CHands = true;
    g = EffectiveHandGeometry(s, {100, 100});
    EXPECT_EQ(g.centre.x, 50);
}

TEST(FaceGeometry, RequestedLengthsCountOnlyWhenAllEightFit) {
    ClockSettings s = DefaultSettings();
    HandGeometry g;
    s.AutoHand = false;
    GeometrySetting* lengths[] = {&s.AHS,  &s.AMS,  &s.ASS,        &s.ADtS,
                                  &s.ADyS, &s.AMnS, &s.AInternet1, &s.AInternet2};
    for (GeometrySetting* length : lengths) length->requested = 90;
    g = EffectiveHandGeometry(s, {200, 100});
    for (int32_t length : g.lengths) EXPECT_EQ(length, 90);

    s.AMnS.requested = 101;
    g = EffectiveHandGeometry(s, {200, 100});
    EXPECT_EQ(g.lengths[0], 20);
    EXPECT_EQ(g.lengths[5], 16);
    EXPECT_EQ(g.lengths[7], 45);
    EXPECT_EQ(s.AHS.requested, 90) << "the request itself is kept";
}

}  // namespace
}  // namespace marvix
