// Alarms that ring until answered, on their days, and are not lost to a span the clock did not
// see; an alarm without the option keeps ringing once in its minute.
#include "sound/alarm_bell.h"

#include <gtest/gtest.h>

#include "../support/recording_player.h"
#include "sound/sound_triggers.h"

namespace marvix {
namespace {

// Monday 7 December 2026 is day 7; the week runs to Sunday the 13th.
LocalTime At(int day, int hour, int minute, int second = 0) {
    const int month = day > 31 ? 1 : 12, year = day > 31 ? 2027 : 2026,
              date = day > 31 ? day - 31 : day;
    return {uint16_t(year), uint16_t(month),  uint16_t(date),   DayOfWeek(year, month, date),
            uint16_t(hour), uint16_t(minute), uint16_t(second), 0};
}

class AlarmBellTest : public ::testing::Test {
protected:
    AlarmBellTest() : s(DefaultSettings()) {
        s.Alarm1 = true;
        s.A1Str = "wake.wav";
    }
    void SetAlarm(int hour, int minute, bool pm, bool ring) {
        s.A1H = hour;
        s.A1M = minute;
        s.A1PM = pm;
        s.Alarm1Ring = ring;
    }
    // The tick as the clock runs it, four times a second for `seconds` seconds from `time`.
    void Run(const LocalTime& time, int seconds = 1) {
        for (int ms = 0; ms < seconds * 1000; ms += 250)
            RunSoundTriggers(s, latches, AddMilliseconds(time, ms), player);
    }
    AlarmBell::State State() const { return latches.bell.GetState(); }

    ClockSettings s;
    SoundLatches latches;
    RecordingPlayer player;
};

// An alarm at 11:59 pm on weekdays rings Monday to Friday and not at the weekend, by the date of
// its own minute: Friday's rings, and the Saturday minute after it does not.
TEST_F(AlarmBellTest, AnAlarmRingsOnlyOnItsDays) {
    SetAlarm(11, 59, true, false);
    s.Alarm1Days = 0b0011111;  // Monday to Friday
    const struct {
        int day;
        bool rings;
    } cases[] = {{7, true}, {8, true}, {9, true}, {10, true}, {11, true}, {12, false}, {13, false}};
    for (const auto& c : cases) {
        player.played.clear();
        Run(At(c.day, 23, 58, 59), 2);  // into 23:59 on the day, and on to the next minute
        Run(At(c.day + 1, 0, 0, 0), 1);
        EXPECT_EQ(player.played.size(), c.rings ? 1u : 0u) << "day " << c.day;
    }
    // The next alarm the tray tells is the next one that rings: Friday night, not Saturday's.
    EXPECT_EQ(NextAlarm(s, At(11, 23, 59)), (AlarmTime{23, 59}));
    s.Alarm1Days = 0;
    EXPECT_EQ(NextAlarm(s, At(11, 12, 0)), std::nullopt) << "no day: it never rings";
}

// Rung at its minute, the bell rings until answered: ten minutes unanswered stops it; a snooze
// stops it and rings again when over, across midnight too; switched off meanwhile, it does not.
TEST_F(AlarmBellTest, TheBellRingsUntilAnsweredOrTenMinutesAndASnoozeRingsAgain) {
    using S = AlarmBell::State;
    SetAlarm(11, 55, true, true);
    Run(At(7, 23, 55));
    EXPECT_EQ(player.rung, std::vector<std::string>{"wake.wav"});
    EXPECT_TRUE(player.played.empty()) << "the bell, not the single play";
    Run(At(8, 0, 4, 59));
    EXPECT_EQ(State(), S::Ringing);
    Run(At(8, 0, 5, 0));
    EXPECT_EQ(State(), S::Unanswered) << "ten minutes";
    EXPECT_EQ(player.silenced, 1);

    const struct {
        int snoozeMinutes;
        LocalTime stillSnoozed, ringsAgain;
    } snoozes[] = {
        {5, At(14, 23, 59, 59), At(15, 0, 0)},  // from 23:55 into the next day
        {30, At(14, 0, 25, 59), At(14, 0, 26)},
    };
    for (const auto& c : snoozes) {
        latches = {};
        player = {};
        LocalTime start = AddMilliseconds(c.ringsAgain, -int64_t{c.snoozeMinutes} * 60'000);
        EXPECT_EQ(latches.bell.Ring(0, start, start, false), AlarmBell::Sound::Start);
        EXPECT_EQ(latches.bell.Snooze(c.snoozeMinutes, start), AlarmBell::Sound::Stop);
        Run(c.stillSnoozed);
        EXPECT_EQ(State(), S::Snoozed) << c.snoozeMinutes;
        Run(c.ringsAgain);
        EXPECT_EQ(State(), S::Ringing) << c.snoozeMinutes;
        EXPECT_EQ(player.rung.size(), 1u);
        EXPECT_EQ(latches.bell.Dismiss(), AlarmBell::Sound::Stop);
        EXPECT_EQ(State(), S::Quiet);
    }
    latches.bell.Ring(0, At(9, 7, 0), At(9, 7, 0), false);
    latches.bell.Snooze(10, At(9, 7, 0));
    s.Alarm1 = false;
    Run(At(9, 7, 10));
    EXPECT_EQ(State(), S::Quiet) << "switched off while snoozed";
}

// The alarm whose minute a sleep or a jump of the clock skipped rings late, once, within the hour;
// one without the option is not made up.
TEST_F(AlarmBellTest, AMinuteTheClockDidNotSeeRingsLateWithinTheHour) {
    const std::optional<MissedAlarm> none;
    const struct {
        const char* what;
        int hour, minute;
        bool pm, ring;
        LocalTime previous, now;
        std::optional<MissedAlarm> missed;
    } cases[] = {
        {"across midnight", 11, 58, true, true, At(7, 23, 50), At(8, 0, 10),
         MissedAlarm{0, At(7, 23, 58)}},
        {"across an hour", 6, 59, false, true, At(7, 6, 30), At(7, 7, 20),
         MissedAlarm{0, At(7, 6, 59)}},
        {"more than an hour ago", 5, 0, false, true, At(7, 4, 0), At(7, 6, 30), none},
        {"without the option", 6, 59, false, false, At(7, 6, 30), At(7, 7, 20), none},
        {"no minute missed", 7, 0, false, true, At(7, 6, 59, 30), At(7, 7, 0, 20), none},
        {"now's own minute", 7, 0, false, true, At(7, 6, 50), At(7, 7, 0, 5), none},
        {"the clock set back", 6, 59, false, true, At(7, 7, 20), At(7, 6, 30), none},
        {"before the span", 6, 59, false, true, At(7, 6, 59, 30), At(7, 7, 20), none},
    };
    for (const auto& c : cases) {
        SetAlarm(c.hour, c.minute, c.pm, c.ring);
        EXPECT_EQ(MissedAlarmBetween(s, c.previous, c.now), c.missed) << c.what;
    }
    SetAlarm(6, 59, false, true);
    s.Alarm1Days = 0b1111110;  // not on Monday the 7th
    EXPECT_EQ(MissedAlarmBetween(s, At(7, 6, 30), At(7, 7, 20)), none) << "not its day";

    // Through the tick: late, once.
    s.Alarm1Days = 0b1111111;
    Run(At(7, 6, 30));
    Run(At(7, 7, 20), 3);
    EXPECT_EQ(player.rung.size(), 1u);
    EXPECT_TRUE(latches.bell.Late());
    EXPECT_EQ(latches.bell.Due(), At(7, 6, 59));
    // A pause (the clock hidden by a double-click) forgets the last tick: nothing is made up.
    latches = {};
    player = {};
    Run(At(7, 6, 30));
    latches.lastTick.reset();
    Run(At(7, 7, 20));
    EXPECT_TRUE(player.rung.empty());
}

}  // namespace
}  // namespace marvix
