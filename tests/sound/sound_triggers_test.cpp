#include "sound/sound_triggers.h"

#include <gtest/gtest.h>

#include <vector>

#include "../support/recording_player.h"

namespace marvix {
namespace {

// Drives the trigger pass as the tick does, four times a second over a stretch of time.
class SoundTriggerTest : public ::testing::Test {
protected:
    SoundTriggerTest() : s(DefaultSettings()) {}

    void TicksAt(int hour, int minute, int second = 0, int ticks = 4) {
        const LocalTime t{2026, 12, 7, 2, uint16_t(hour), uint16_t(minute), uint16_t(second), 0};
        for (int i = 0; i < ticks; ++i) RunSoundTriggers(s, latches, t, player);
    }
    // Every tick of a whole minute.
    void Minute(int hour, int minute) {
        for (int second = 0; second < 60; ++second) TicksAt(hour, minute, second);
    }
    std::vector<std::string> Files() {
        std::vector<std::string> files;
        for (const SoundRequest& r : player.played) files.push_back(r.file);
        return files;
    }

    ClockSettings s;
    SoundLatches latches;
    RecordingPlayer player;
};

TEST_F(SoundTriggerTest, HourChimeStrikesTheHourOfTheDial) {
    s.Chime1 = true;
    s.C1Str = "chime.wav";
    const std::pair<int, int> strikes[] = {{15, 3}, {12, 12}, {0, 12}, {1, 1}};
    for (const auto& [hour, count] : strikes) {
        player.played.clear();
        Minute(hour, 0);
        Minute(hour, 1);
        ASSERT_EQ(player.played.size(), 1u) << hour;
        EXPECT_EQ(player.played[0], (SoundRequest{"chime.wav", count, true})) << hour;
    }
    s.ChimeNum = false;
    player.played.clear();
    Minute(15, 0);
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_EQ(player.played[0].repeat, 1);
}

TEST_F(SoundTriggerTest, QuarterHalfAndThreeQuarterChimesSoundOnceEach) {
    s.Chime2 = s.Chime3 = s.Chime4 = true;
    s.C2Str = "half";
    s.C3Str = "quarter";
    s.C4Str = "three";
    for (int minute = 0; minute < 60; ++minute) Minute(9, minute);
    EXPECT_EQ(Files(), (std::vector<std::string>{"quarter", "half", "three"}));
    for (const SoundRequest& r : player.played) EXPECT_EQ(r.repeat, 1);
}

TEST_F(SoundTriggerTest, AlarmSoundsOnceReArmsTheMinuteAfterAndSoundsTheNextDay) {
    s.Alarm1 = true;
    s.A1H = 7;
    s.A1M = 30;
    s.A1Str = "alarm.wav";
    Minute(7, 29);
    Minute(7, 30);
    EXPECT_EQ(player.played, (std::vector<SoundRequest>{{"alarm.wav", 1, true}}));
    Minute(7, 31);
    Minute(19, 30);
    EXPECT_EQ(player.played.size(), 1u) << "no pm: not in the evening";
    Minute(7, 30);  // the next day
    EXPECT_EQ(player.played.size(), 2u);
}

TEST_F(SoundTriggerTest, AlarmWithoutReArmingSoundsOnlyOnce) {
    s.Alarm1 = true;
    s.A1H = 7;
    s.A1M = 30;
    Minute(7, 30);
    Minute(7, 30);  // the next day, but the clock never saw 7:31 (hidden in the tray)
    EXPECT_EQ(player.played.size(), 1u);
}

TEST_F(SoundTriggerTest, AfternoonAndTheTwelveOClockRules) {
    s.Alarm2 = true;
    s.A2H = 7;
    s.A2M = 30;
    s.A2PM = true;
    Minute(7, 30);
    EXPECT_TRUE(player.played.empty());
    Minute(19, 30);
    EXPECT_EQ(player.played.size(), 1u);

    s.Alarm2 = false;
    s.Alarm3 = true;
    s.A3H = 12;
    s.A3M = 0;
    s.A3PM = true;
    player.played.clear();
    Minute(0, 0);
    Minute(12, 0);
    EXPECT_EQ(player.played.size(), 1u) << "12 pm is noon";
    s.A3PM = false;
    Minute(12, 1);
    Minute(0, 1);
    player.played.clear();
    Minute(12, 0);
    Minute(0, 0);
    EXPECT_EQ(player.played.size(), 1u) << "12 am is midnight";
}

TEST_F(SoundTriggerTest, MinuteFiftyNineReArmsAtTheTopOfTheNextHour) {
    s.Alarm4 = true;
    s.A4H = 9;
    s.A4M = 59;
    Minute(9, 59);
    Minute(10, 0);
    Minute(9, 59);
    EXPECT_EQ(player.played.size(), 2u);

    s.Alarm4 = false;
    s.Alarm5 = true;
    s.A5H = 11;
    s.A5M = 59;
    s.A5PM = true;  // 23:59 re-arms at 00:00
    player.played.clear();
    Minute(23, 59);
    Minute(0, 0);
    Minute(23, 59);
    EXPECT_EQ(player.played.size(), 2u);
}

TEST_F(SoundTriggerTest, AnAlarmAndTheHourChimeInOneTickAlarmFirst) {
    s.Alarm1 = true;
    s.A1H = 8;
    s.A1M = 0;
    s.A1Str = "alarm";
    s.Chime1 = true;
    s.C1Str = "chime";
    TicksAt(8, 0, 0, 1);
    EXPECT_EQ(Files(), (std::vector<std::string>{"alarm", "chime"}));
}

TEST_F(SoundTriggerTest, ASwitchedOffAlarmNeitherSoundsNorReArms) {
    s.Alarm1 = true;
    s.A1H = 7;
    s.A1M = 30;
    Minute(7, 30);
    s.Alarm1 = false;
    Minute(7, 31);  // would re-arm, but the alarm is off
    s.Alarm1 = true;
    Minute(7, 30);
    EXPECT_EQ(player.played.size(), 1u);
}

// The done flag used to be cleared only in the minute right after the alarm, and only while the
// alarm was on: an alarm silenced by switching it off, or moved to a later time, stayed mute.
TEST_F(SoundTriggerTest, AnyOtherMinuteWhileOnReArmsAnAlarm) {
    s.Alarm1 = true;
    s.A1H = 7;
    s.A1M = 30;
    TicksAt(7, 30, 0);
    TicksAt(7, 30, 10);
    s.Alarm1 = false;  // silenced
    TicksAt(7, 30, 20);
    Minute(7, 31);
    s.Alarm1 = true;
    Minute(8, 0);
    Minute(7, 30);  // the next day
    EXPECT_EQ(player.played.size(), 2u) << "switched off and on again later: rings the next day";

    player.played.clear();
    s.A1M = 45;  // moved right after it rang
    TicksAt(7, 30, 30);
    Minute(7, 45);
    EXPECT_EQ(player.played.size(), 1u) << "moved to 7:45: rings at 7:45";

    player.played.clear();
    s.A1M = 30;
    Minute(7, 29);
    TicksAt(7, 30, 0);
    s.Alarm1 = false;
    TicksAt(7, 30, 35);
    s.Alarm1 = true;  // off and on again within its minute
    TicksAt(7, 30, 40);
    EXPECT_EQ(player.played.size(), 1u) << "never twice in its minute";
}

TEST_F(SoundTriggerTest, TwelveWithoutPmIsMidnightLikeAStoredZero) {
    for (int hour : {12, 0}) {
        s = DefaultSettings();
        s.Alarm1 = true;
        s.A1H = hour;
        s.A1M = 0;
        player.played.clear();
        Minute(23, 59);
        Minute(0, 0);
        Minute(12, 0);
        EXPECT_EQ(player.played.size(), 1u) << hour;
    }
}

TEST_F(SoundTriggerTest, TickAndTockAlternateOneASecondTockFirst) {
    s.Tick = s.Tock = true;
    s.TickStr = "tick";
    s.TockStr = "tock";
    // One second: the one-second step, then four ticks of the clock.
    for (int second = 1; second <= 6; ++second) {
        OneSecondStep(s, latches);
        TicksAt(10, 0, second);
    }
    // The first step only arms a tock, sounded once the phase has turned a second later.
    EXPECT_EQ(Files(), (std::vector<std::string>{"tock", "tick", "tock", "tick", "tock"}));
    for (const SoundRequest& r : player.played) EXPECT_FALSE(r.wait);
}

TEST_F(SoundTriggerTest, TickAloneOncePerSecondAndALateOneIsSkippedNotDoubled) {
    s.Tick = true;
    s.TickStr = "tick";
    for (int second = 1; second <= 4; ++second) {
        OneSecondStep(s, latches);
        TicksAt(10, 0, second);
    }
    EXPECT_EQ(player.played.size(), 4u);
    // The tick pass held up for a whole second: its due flag is inverted back, the sound lost.
    player.played.clear();
    OneSecondStep(s, latches);
    OneSecondStep(s, latches);
    TicksAt(10, 0, 7);
    EXPECT_TRUE(player.played.empty());
    OneSecondStep(s, latches);
    TicksAt(10, 0, 8);
    EXPECT_EQ(player.played.size(), 1u);
}

TEST_F(SoundTriggerTest, NothingSoundsWhenEverythingIsOff) {
    for (int minute = 0; minute < 60; ++minute) {
        OneSecondStep(s, latches);
        Minute(7, minute);
    }
    EXPECT_TRUE(player.played.empty());
}

}  // namespace
}  // namespace marvix
