// What the night asks of a clock: when the computer must wake for its alarms, when it keeps
// quiet, that a clock in a half-hour zone chimes on its own hour, and the weeks a calendar shows.
#include <gtest/gtest.h>

#include "../support/recording_player.h"
#include "base/time_zone.h"
#include "sound/alarm_wake.h"
#include "sound/quiet_hours.h"
#include "sound/wake_support.h"

namespace marvix {
namespace {

LocalTime At(const char* text) { return *ParseLocalTime(text); }

// Pacific time in 2026 and 2027: daylight time from the second Sunday of March to the first
// Sunday of November.
constexpr ZoneRule kPacific{480, 0, -60, {0, 11, 0, 1, 2, 0, 0, 0}, {0, 3, 0, 2, 2, 0, 0, 0}};

TEST(ThroughTheNight, TheWakeIsTheSoonestWakingAlarmInUniversalTimeAcrossAChange) {
    ClockSettings s = DefaultSettings();
    // Alarm 1 at 6:30 on weekdays, alarm 2 at 9:00 on Sundays; alarm 3 at 5:00 every day, but
    // it does not wake the computer.
    s.Alarm1 = s.Alarm2 = s.Alarm3 = true;
    s.A1H = 6, s.A1M = 30, s.Alarm1Days = 0b0011111;
    s.A2H = 9, s.A2M = 0, s.Alarm2Days = 0b1000000;
    s.A3H = 5, s.A3M = 0, s.Alarm3Days = 0b1111111;
    s.Alarm1Ring = true, s.Wake2 = 1, s.Alarm3Ring = true, s.Wake3 = 0;
    const std::array<bool, 5> wakes = AlarmsThatWake(s);
    EXPECT_EQ(wakes, (std::array<bool, 5>{true, true, false, false, false}))
        << "ringing until answered wakes at first; a mark of its own decides";
    const UniversalOfLocal pacific = [](const LocalTime& t) { return UniversalOf(kPacific, t); };
    const struct {
        const char* now;   // the clock's own time
        const char* wake;  // universal
    } cases[] = {
        // Friday evening: Monday 6:30 comes after Sunday 9:00.
        {"2026-10-30T22:00:00", "2026-11-01T17:00:00"},
        // Saturday before the change: Sunday 9:00 is already standard time (UTC-8).
        {"2026-10-31T23:00:00", "2026-11-01T17:00:00"},
        // Sunday after it: Monday 6:30 in standard time.
        {"2026-11-01T09:00:00", "2026-11-02T14:30:00"},
        // Saturday before the spring change: Sunday 9:00 in daylight time (UTC-7).
        {"2027-03-13T20:00:00", "2027-03-14T16:00:00"},
    };
    AlarmBell bell;
    for (const auto& c : cases) {
        EXPECT_EQ(NextWakingAlarm(s, wakes, bell, At(c.now), pacific),
                  MillisecondsSince1970(At(c.wake)))
            << c.now;
    }
    // Snoozed until 6:40 on Monday: the snooze's end, before any other alarm.
    bell.Ring(0, At("2026-11-02T06:30:00"), At("2026-11-02T06:30:00"), false);
    bell.Snooze(10, At("2026-11-02T06:30:30"));
    EXPECT_EQ(NextWakingAlarm(s, wakes, bell, At("2026-11-02T06:31:00"), pacific),
              MillisecondsSince1970(At("2026-11-02T14:40:30")));
    s.Alarm1 = s.Alarm2 = false;
    EXPECT_FALSE(NextWakingAlarm(s, wakes, bell, At("2026-11-02T06:31:00"), pacific));
}

// The first reason found is the one said: Windows' own answer before what the plan and the
// capabilities suggest; a computer that can wake gets no sentence.
TEST(ThroughTheNight, AComputerThatCannotWakeSaysWhyFirstByWindowsAnswer) {
    const struct {
        WakeFacts facts;
        const char* says;  // after the sentence's start; nullptr: nothing
    } cases[] = {
        {{}, nullptr},
        {{.setTimerError = 722, .wakeTimersAllowed = false}, ": Windows ignored the request"},
        {{.setTimerError = 50}, ": Windows does not support wake timers here."},
        {{.modernStandby = true, .wakeTimersAllowed = false}, ": \"Allow wake timers\" is off"},
        {{.modernStandby = true}, ": it sleeps in Modern Standby"},
        {{.sleeps = false}, ": it has no sleep state"},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> sentence = CannotWakeSentence(c.facts);
        ASSERT_EQ(sentence.has_value(), c.says != nullptr) << sentence.value_or("nothing");
        if (sentence) {
            EXPECT_EQ(sentence->rfind(std::string(kCannotWake) + c.says, 0), 0u) << *sentence;
        }
    }
}

TEST(ThroughTheNight, QuietHoursRunAcrossMidnightFromTheDaysTicked) {
    EXPECT_EQ(ParseTimeOfDay("22:30"), 22 * 60 + 30);
    EXPECT_EQ(ParseTimeOfDay(" 7:05"), 7 * 60 + 5);
    for (const char* bad : {"24:00", "7:5", "07:60", "7", ":30", "7:30pm"})
        EXPECT_FALSE(ParseTimeOfDay(bad)) << bad;

    // 22:00 to 7:00, beginning Sunday to Thursday nights: Friday and Saturday nights chime.
    const QuietHours night{22 * 60, 7 * 60, 0b1001111};
    const struct {
        const char* time;
        bool quiet;
    } cases[] = {
        {"2026-12-07T21:59:00", false},  // Monday
        {"2026-12-07T22:00:00", true},
        {"2026-12-08T06:59:00", true},  // Tuesday morning: begun on Monday
        {"2026-12-08T07:00:00", false},
        {"2026-12-11T03:00:00", true},   // Friday morning: begun on Thursday
        {"2026-12-11T23:00:00", false},  // Friday night
        {"2026-12-12T03:00:00", false},  // Saturday morning: begun on Friday
        {"2026-12-13T03:00:00", false},  // Sunday morning: begun on Saturday
        {"2026-12-13T23:00:00", true},   // Sunday night
        {"2026-12-14T03:00:00", true},   // Monday morning: begun on Sunday
    };
    for (const auto& c : cases) EXPECT_EQ(IsQuiet(night, At(c.time)), c.quiet) << c.time;
    EXPECT_TRUE(IsQuiet({13 * 60, 14 * 60}, At("2026-12-10T13:30:00"))) << "within a day";
    EXPECT_FALSE(IsQuiet({}, At("2026-12-10T13:30:00"))) << "none set";
}

// A clock quiet from 22:00 to 7:00 chimes at 7:00, not at 23:00 (nor late when the quiet ends),
// and its alarm in the quiet hours rings all the same.
TEST(ThroughTheNight, TheQuietHoursSilenceChimesAndTicksButNoAlarm) {
    ClockSettings s = DefaultSettings();
    s.Chime1 = s.Tick = s.Alarm1 = true;
    s.ChimeNum = false;
    s.QuietFrom = "22:00", s.QuietTo = "07:00";
    s.A1H = 5, s.A1M = 30;
    SoundLatches latches;
    RecordingPlayer player;
    std::vector<std::string> heard;
    for (const char* time : {"2026-12-10T23:00:00", "2026-12-11T05:30:00", "2026-12-11T06:59:00",
                             "2026-12-11T07:00:00"}) {
        OneSecondStep(s, latches);
        const size_t before = player.played.size();
        RunSoundTriggers(s, latches, At(time), player);
        for (size_t i = before; i < player.played.size(); ++i)
            heard.push_back(std::string(time).substr(11, 5) + " " + player.played[i].file);
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"05:30 " + s.A1Str, "07:00 " + s.C1Str,
                                               "07:00 " + s.TickStr}));
}

// India is 5:30 ahead of universal time: its clock chimes the hour at half past in London.
TEST(ThroughTheNight, AClockInAHalfHourZoneChimesOnItsOwnHourAndQuarters) {
    ClockSettings s = DefaultSettings();
    s.Chime1 = s.Chime3 = true;
    s.ChimeNum = false;
    const ZoneRule india{-330, 0, 0, {}, {}};
    SoundLatches latches;
    RecordingPlayer player;
    std::vector<std::string> chimedAt;
    for (LocalTime utc = At("2026-12-10T12:00:00"); utc.hour < 13;
         utc = AddMilliseconds(utc, 60'000)) {
        const size_t before = player.played.size();
        RunSoundTriggers(s, latches, InZone(india, utc).time, player);
        if (player.played.size() > before) chimedAt.push_back(std::to_string(utc.minute));
    }
    EXPECT_EQ(chimedAt, (std::vector<std::string>{"30", "45"})) << "18:00 and 18:15 in India";
}

TEST(ThroughTheNight, WeeksAreNumberedByIsoAtTheYearsEdges) {
    EXPECT_EQ(IsoWeek(2026, 12, 31), 53);
    EXPECT_EQ(IsoWeek(2027, 1, 1), 53) << "a Friday: the last week of 2026";
    EXPECT_EQ(IsoWeek(2027, 1, 3), 53);
    EXPECT_EQ(IsoWeek(2027, 1, 4), 1);
    EXPECT_EQ(IsoWeek(2024, 12, 30), 1) << "a Monday in the first week of 2025";
    EXPECT_EQ(IsoWeek(2026, 6, 15), 25);
}

// The calendar's moves by the month hold the day to the month's end; its bold days are those an
// alarm that is on rings on.
TEST(ThroughTheNight, TheCalendarMovesByTheMonthAndMarksTheAlarmsDays) {
    const LocalTime january31{2027, 1, 31, 1};
    EXPECT_EQ(AddMonths(january31, 1), (LocalTime{2027, 2, 28, 1}));
    EXPECT_EQ(AddMonths(january31, -2), (LocalTime{2026, 11, 30, 2}));
    EXPECT_EQ(AddMonths({2028, 3, 31, 6}, -1), (LocalTime{2028, 2, 29, 3})) << "a leap year";

    ClockSettings s = DefaultSettings();
    EXPECT_EQ(AlarmDaysOfMonth(s, 2027, 2), 0u) << "no alarm on";
    s.Alarm2 = true, s.Alarm2Days = 1 | 64;  // Mondays and Sundays
    s.Alarm4 = true, s.Alarm4Days = 4;       // Wednesdays
    // February 2027 begins on a Monday.
    EXPECT_EQ(AlarmDaysOfMonth(s, 2027, 2), 0b1000101'1000101'1000101'1000101u);
}

}  // namespace
}  // namespace marvix
