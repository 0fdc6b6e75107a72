#include "frame/face_geometry.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

// What a tick does with the geometry: works it out for the face, then stores it.
void ApplyFaceGeometry(ClockSettings& s, Size face) {
    StoreHandGeometry(s, EffectiveHandGeometry(s, face));
}

TEST(FaceGeometry, AutomaticLengthsAndCentreFollowTheSmallerSide) {
    ClockSettings s = DefaultSettings();
    ApplyFaceGeometry(s, {200, 200});
    EXPECT_EQ(s.ACX.effective, 100);
    EXPECT_EQ(s.ACY.effective, 100);
    EXPECT_EQ(s.AHS.effective, 40);
    EXPECT_EQ(s.AMS.effective, 66);
    EXPECT_EQ(s.ASS.effective, 78);
    EXPECT_EQ(s.ADtS.effective, 33);
    EXPECT_EQ(s.ADyS.effective, 33);
    EXPECT_EQ(s.AMnS.effective, 33);
    EXPECT_EQ(s.AInternet1.effective, 66);
    EXPECT_EQ(s.AInternet2.effective, 78);

    ApplyFaceGeometry(s, {201, 99});
    EXPECT_EQ(s.AHS.effective, 19) << "the smaller side, 99, over five";
    EXPECT_EQ(s.ACX.effective, 100);  // division truncates
    EXPECT_EQ(s.ACY.effective, 49);
}

TEST(FaceGeometry, RequestedCentreOnlyWhenItLiesOnTheFace) {
    ClockSettings s = DefaultSettings();
    s.CHands = false;
    s.ACX.requested = 70;
    s.ACY.requested = 30;
    ApplyFaceGeometry(s, {100, 100});
    EXPECT_EQ(s.ACX.effective, 70);
    EXPECT_EQ(s.ACY.effective, 30);

    s.ACX.requested = 150;  // beyond a 100-pixel-wide face
    ApplyFaceGeometry(s, {100, 100});
    EXPECT_EQ(s.ACX.effective, 50);
    EXPECT_EQ(s.ACY.effective, 50);

    s.ACX.requested = 70;
    s.CHands = true;
    ApplyFaceGeometry(s, {100, 100});
    EXPECT_EQ(s.ACX.effective, 50);
}

TEST(FaceGeometry, RequestedLengthsCountOnlyWhenAllEightFit) {
    ClockSettings s = DefaultSettings();
    s.AutoHand = false;
    GeometrySetting* lengths[] = {&s.AHS,  &s.AMS,  &s.ASS,        &s.ADtS,
                                  &s.ADyS, &s.AMnS, &s.AInternet1, &s.AInternet2};
    for (GeometrySetting* length : lengths) length->requested = 90;
    ApplyFaceGeometry(s, {200, 100});
    for (GeometrySetting* length : lengths) EXPECT_EQ(length->effective, 90);

    s.AMnS.requested = 101;
    ApplyFaceGeometry(s, {200, 100});
    EXPECT_EQ(s.AHS.effective, 20);
    EXPECT_EQ(s.AMnS.effective, 16);
    EXPECT_EQ(s.AInternet2.effective, 45);
    EXPECT_EQ(s.AHS.requested, 90) << "the request itself is kept";
}

TEST(FaceGeometry, StoringSaysWhetherAnyEffectiveValueChanged) {
    ClockSettings s = DefaultSettings();
    const HandGeometry geometry = EffectiveHandGeometry(s, {200, 200});
    EXPECT_TRUE(StoreHandGeometry(s, geometry));
    EXPECT_FALSE(StoreHandGeometry(s, geometry)) << "the same geometry again";
    EXPECT_TRUE(StoreHandGeometry(s, EffectiveHandGeometry(s, {200, 100})));
}

}  // namespace
}  // namespace marvix
