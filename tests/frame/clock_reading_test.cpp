#include "frame/clock_reading.h"

#include <gtest/gtest.h>

#include "settings/clock_settings.h"
#include "sound/alarm_bell.h"

namespace marvix {
namespace {

// Tuesday 8 December 2026, 10:09.
constexpr LocalTime kMorning{2026, 12, 8, 3, 10, 9, 37, 0};

std::string ClockReading(const ClockSettings& s, const LocalTime& t) {
    return ReadingWithAlarmNews(s, AlarmBell{}, false, t);
}

TEST(ClockReading, TheTimeAndDateInTheUsersOwnNames) {
    ClockSettings s = DefaultSettings();
    EXPECT_EQ(ClockReading(s, kMorning), "10:09, Tuesday 8 December 2026");
    s.DayNames3 = "Dienstag";
    s.MonthNames12 = "Dezember";
    LocalTime night = kMorning;
    night.hour = 0;
    night.minute = 5;
    EXPECT_EQ(ClockReading(s, night), "0:05, Dienstag 8 Dezember 2026");
}

// The next alarm to ring, counted on from this minute: earlier in the day means tomorrow, and an
// alarm of this very minute has rung.
TEST(ClockReading, TheNextAlarmToRingWhileOneIsOn) {
    ClockSettings s = DefaultSettings();
    s.A1H = 7, s.A1M = 30, s.A1PM = false;   // 7:30, tomorrow
    s.A2H = 12, s.A2M = 15, s.A2PM = true;   // 12:15, today
    s.A3H = 10, s.A3M = 9, s.A3PM = false;   // this minute
    s.A4H = 12, s.A4M = 45, s.A4PM = false;  // 0:45, tomorrow
    struct Case {
        bool on[4];
        const char* expected;
    } cases[] = {
        {{false, false, false, false}, "10:09, Tuesday 8 December 2026"},
        {{true, false, false, false}, "10:09, Tuesday 8 December 2026, alarm at 7:30"},
        {{true, true, false, false}, "10:09, Tuesday 8 December 2026, alarm at 12:15"},
        {{true, false, true, false}, "10:09, Tuesday 8 December 2026, alarm at 7:30"},
        {{false, false, true, false}, "10:09, Tuesday 8 December 2026, alarm at 10:09"},
        {{true, false, false, true}, "10:09, Tuesday 8 December 2026, alarm at 0:45"},
    };
    for (const Case& c : cases) {
        s.Alarm1 = c.on[0], s.Alarm2 = c.on[1], s.Alarm3 = c.on[2], s.Alarm4 = c.on[3];
        EXPECT_EQ(ClockReading(s, kMorning), c.expected);
    }
}

// What the alarm window and the tray tip say of the bell: the time it was due, its label or its
// number, and why it rings late or no more; when a snoozed one rings again; "alarms paused" above
// all.
TEST(ClockReading, TheAlarmWindowAndTheTipTellTheBellsState) {
    ClockSettings s = DefaultSettings();
    s.Alarm1 = s.Alarm2 = true;
    s.Alarm1Label = "Wake up";
    LocalTime due = kMorning, later = kMorning;
    due.minute = 50, due.hour = 9;  // 9:50
    later.minute = 21;              // 10:21, past the ten minutes
    enum Then { kRinging, kUnanswered, kSnoozed };
    struct Case {
        size_t alarm;
        LocalTime due;
        bool late;
        Then then;
        bool paused;
        AlarmNotice notice;
        const char* news;
    } cases[] = {
        {0,
         kMorning,
         false,
         kRinging,
         false,
         {"10:09", "Wake up", ""},
         ", alarm ringing: 10:09, Wake up"},
        {1,
         due,
         true,
         kRinging,
         false,
         {"9:50", "Alarm 2", "Due at 9:50 on Tuesday, while the clock could not ring."},
         ", alarm ringing: 9:50, Alarm 2"},
        {0,
         kMorning,
         false,
         kUnanswered,
         false,
         {"10:09", "Wake up", "Not answered: it rang for ten minutes."},
         ", alarm not answered: 10:09, Wake up"},
        {0,
         kMorning,
         false,
         kSnoozed,
         false,
         {"10:09", "Wake up", ""},
         ", alarm snoozed until 10:14, Wake up"},
        {0, kMorning, false, kRinging, true, {"10:09", "Wake up", ""}, ", alarms paused"},
    };
    for (const Case& c : cases) {
        AlarmBell bell;
        bell.Ring(c.alarm, c.due, kMorning, c.late);
        if (c.then == kUnanswered) bell.Step(s, later);
        if (c.then == kSnoozed) bell.Snooze(5, kMorning);
        EXPECT_EQ(NoticeOf(s, bell), c.notice) << c.news;
        EXPECT_EQ(AlarmNews(s, bell, c.paused), c.news);
    }
}

// The tip said a ringing alarm twice ("alarm at 10:09, alarm ringing: 10:09, Tea time"): the
// next alarm is left out while it is the bell's own; another alarm still is named.
TEST(ClockReading, NamesTheBellsAlarmOnce) {
    ClockSettings s = DefaultSettings();
    s.Alarm1 = true, s.A1H = 10, s.A1M = 9, s.A2H = 11, s.A2M = 30;
    AlarmBell bell;
    bell.Ring(0, kMorning, kMorning, false);
    const std::string today = "10:09, Tuesday 8 December 2026";
    EXPECT_EQ(ReadingWithAlarmNews(s, bell, false, kMorning),
              today + ", alarm ringing: 10:09, Alarm 1");
    s.Alarm2 = true;  // the next alarm another: named
    EXPECT_EQ(ReadingWithAlarmNews(s, bell, false, kMorning),
              today + ", alarm at 11:30, alarm ringing: 10:09, Alarm 1");
}

// Windows keeps 127 characters of a tip: with three other clocks it ended "Press left mouse to
// show clo". The help goes first, then the day names shorten, then go, then the labels shorten.
TEST(TrayTip, EveryClockKeepsALineAndTheTipEndsOnAWholeWord) {
    const ClockSettings s = DefaultSettings();
    const std::string first = "10:09, Tuesday 8 December 2026, alarm at 7:30";
    const auto tip = [&](std::vector<std::string> names) {
        std::vector<PlaceReading> places;
        for (const std::string& name : names) places.push_back({name, kMorning, s});
        return TrayTip(first, places);
    };
    EXPECT_EQ(tip({"Tokyo", "New York", "Kolkata"}),
              first + "\nTokyo 10:09 Tuesday\nNew York 10:09 Tuesday\nKolkata 10:09 Tuesday");
    EXPECT_EQ(
        tip({"Tokyo", "New York", "Kolkata", "Los Angeles"}),
        first + "\nTokyo 10:09 Tue\nNew York 10:09 Tue\nKolkata 10:09 Tue\nLos Angeles 10:09 Tue");
    EXPECT_EQ(
        tip({"Tokyo office", "New York office", "Kolkata office", "Paris office", "Rome office"}),
        first +
            "\nTokyo off 10:09\nNew York 10:09\nKolkata o 10:09\nParis off 10:09\nRome offi 10:09");
    const std::string many = tip(std::vector<std::string>(30, "Oslo"));
    EXPECT_LE(many.size(), kTrayTipRoom);
    EXPECT_TRUE(many.ends_with("\nO") || many.ends_with("\nO 10:09")) << many;
}

}  // namespace
}  // namespace marvix
