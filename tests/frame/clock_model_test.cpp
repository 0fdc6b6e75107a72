#include "frame/clock_model.h"

#include <gtest/gtest.h>

#include "../support/recording_frame.h"
#include "../support/recording_player.h"
#include "settings/registry_store.h"

namespace marvix {
namespace {

struct CountingObserver : ClockModel::Observer {
    int edits = 0;
    void SettingsEdited() override { ++edits; }
};

class ClockModelTest : public ::testing::Test {
protected:
    ClockModelTest() { model.Observe(observer); }
    std::optional<ChangedArea> Compose() {
        FrameSurfaces surfaces = frame.Surfaces();
        return model.Compose(surfaces, FixedClock().Instant());
    }

    ClockModel model;
    CountingObserver observer;
    RecordingFrame frame;
};

// An edit is told at once, so the clock saves it and composes it whether or not input woke it.
TEST_F(ClockModelTest, EveryEditIsToldAndAFaceLayoutThatMovesIsOneToo) {
    model.Edit().AutoHand = false;
    EXPECT_EQ(observer.edits, 1);
    model.LayOutFace({200, 200}, {200, 200});
    EXPECT_EQ(observer.edits, 2) << "the first layout moved from nothing";
    model.LayOutFace({200, 200}, {200, 200});
    EXPECT_EQ(observer.edits, 2) << "the same layout again is no change";
    EXPECT_TRUE(Compose()) << "the first frame";
    EXPECT_EQ(observer.edits, 2);
    model.LayOutFace({100, 100}, {100, 100});
    EXPECT_EQ(observer.edits, 3);
}

// The derived values stay out of the record while the clock runs and are folded into what is
// written: the registry keeps what the clock showed, a file the requested hand geometry.
TEST_F(ClockModelTest, TheLayoutIsFoldedOnlyIntoWhatIsWritten) {
    ClockSettings& s = model.Edit();
    s.AHS.requested = 90;  // AutoHand is on: the face decides
    s.PDate = true;
    s.PX = 3;
    model.LayOutFace({200, 200}, {200, 200});
    EXPECT_EQ(model.Settings().AHS.requested, 90);
    EXPECT_EQ(model.Settings().PX, 3);

    const ClockSettings registry = model.Written(WrittenTo::Registry);
    EXPECT_EQ(registry.AHS.requested, 40);
    EXPECT_EQ(registry.ACX.requested, 100);
    EXPECT_EQ(registry.PX, 167);
    const ClockSettings file = model.Written(WrittenTo::File);
    EXPECT_EQ(file.AHS.requested, 90);
    EXPECT_EQ(file.PX, 167);

    // What a field shows is what the clock shows.
    const SettingDef* ahs = nullptr;
    for (const SettingDef& def : AllSettings()) {
        if (def.field == SettingField{&ClockSettings::AHS}) ahs = &def;
    }
    ASSERT_NE(ahs, nullptr);
    EXPECT_EQ(ShownInteger(model.Settings(), model.Layout(), *ahs), 40);
}

TEST_F(ClockModelTest, ALoadedSetupForgetsWhatSoundedThisMinute) {
    ClockSettings chiming = DefaultSettings();
    chiming.Chime1 = true;
    model.Replace(chiming);
    RecordingPlayer player;
    LocalTime hour = FixedClock().time;
    hour.minute = hour.second = hour.millisecond = 0;
    model.Sound(hour, player);
    ASSERT_EQ(player.played.size(), 1u);
    model.Sound(hour, player);
    EXPECT_EQ(player.played.size(), 1u) << "once in its minute";
    model.Replace(chiming);
    model.Sound(hour, player);
    EXPECT_EQ(player.played.size(), 2u);
}

}  // namespace
}  // namespace marvix
