// A timer's states and the stopwatch's, at recorded instants, and how the registry keeps them.
#include <gtest/gtest.h>

#include "../support/memory_registry.h"
#include "base/local_time.h"
#include "timers/countdown.h"
#include "timers/kept_timers.h"
#include "timers/stopwatch.h"
#include "timers/timer_book.h"

namespace marvix {
namespace {

constexpr int64_t kS = 1000, kMin = 60 * kS;
// 10:00:00 on 10 December 2026, universal time.
constexpr int64_t kT0 = 1'796'896'800'000;

enum class Act { Start, Pause, Resume, AddMinute, Stop, Advance };

struct Moment {
    int64_t at;  // after kT0
    Act act;
    TimerEvent event;  // what Advance says
    TimerState state;
    int64_t left;
    const char* label;
    const char* round;
};

void Replay(Countdown timer, std::initializer_list<Moment> moments, const char* name) {
    for (const Moment& m : moments) {
        const int64_t now = kT0 + m.at;
        TimerEvent event = TimerEvent::None;
        switch (m.act) {
            case Act::Start: timer.Start(now); break;
            case Act::Pause: timer.Pause(now); break;
            case Act::Resume: timer.Resume(now); break;
            case Act::AddMinute: timer.AddMinute(now); break;
            case Act::Stop: timer.Stop(); break;
            case Act::Advance: event = timer.Advance(now); break;
        }
        SCOPED_TRACE(std::string(name) + " at " + std::to_string(m.at / kS) + " s");
        EXPECT_EQ(event, m.event);
        EXPECT_EQ(timer.State(), m.state);
        EXPECT_EQ(timer.LeftMs(now), m.left);
        EXPECT_EQ(timer.Label(), m.label);
        EXPECT_EQ(timer.RoundText(), m.round);
    }
}

using enum Act;
using enum TimerEvent;
using enum TimerState;

TEST(CountdownTest, APlainTimerStartsPausesResumesWarnsRingsAndTakesAMinuteMore) {
    TimerPlan tea{.label = "Tea", .steps = {{"", 4 * 60}}, .warnSeconds = 60};
    Replay(Countdown(tea),
           {
               {0, Advance, None, Ready, 4 * kMin, "Tea", ""},
               {0, Start, None, Running, 4 * kMin, "Tea", ""},
               {60 * kS, Pause, None, Paused, 3 * kMin, "Tea", ""},
               {600 * kS, Advance, None, Paused, 3 * kMin, "Tea", ""},
               {660 * kS, Resume, None, Running, 3 * kMin, "Tea", ""},
               {779 * kS, Advance, None, Running, 61 * kS, "Tea", ""},
               {780 * kS, Advance, Warning, Running, 60 * kS, "Tea", ""},
               {781 * kS, Advance, None, Running, 59 * kS, "Tea", ""},
               {840 * kS, Advance, Ended, Ringing, 0, "Tea", ""},
               {841 * kS, Advance, None, Ringing, 0, "Tea", ""},
               {845 * kS, AddMinute, None, Running, 60 * kS, "Tea", ""},
               {905 * kS, Advance, Ended, Ringing, 0, "Tea", ""},
               {910 * kS, Start, None, Running, 4 * kMin, "Tea", ""},
               {911 * kS, Stop, None, Ready, 4 * kMin, "Tea", ""},
           },
           "tea");
}

TEST(CountdownTest, SequencesStepOnByThemselvesAndRoundsCountDown) {
    TimerPlan pomodoro{.label = "Pomodoro",
                       .steps = {{"Work", 25 * 60}, {"Break", 5 * 60}},
                       .rounds = 2,
                       .closing = TimerStep{"Long break", 15 * 60}};
    Replay(Countdown(pomodoro),
           {
               {0, Start, None, Running, 25 * kMin, "Work", "1 of 2"},
               {25 * kMin, Advance, NextStep, Running, 5 * kMin, "Break", "1 of 2"},
               {30 * kMin, Advance, NextStep, Running, 25 * kMin, "Work", "2 of 2"},
               {50 * kMin, AddMinute, None, Running, 6 * kMin, "Work", "2 of 2"},
               {56 * kMin, Advance, NextStep, Running, 5 * kMin, "Break", "2 of 2"},
               // Asleep through the break and into the long one: followed from their own ends.
               {70 * kMin, Advance, NextStep, Running, 6 * kMin, "Long break", "2 of 2"},
               {76 * kMin, Advance, Ended, Ringing, 0, "Long break", "2 of 2"},
           },
           "pomodoro");
    // A plain timer that repeats rings at each end and runs on; its last round ends it.
    TimerPlan stretch{.label = "Stretch", .steps = {{"", 30 * 60}}, .rounds = 3};
    Replay(Countdown(stretch),
           {
               {0, Start, None, Running, 30 * kMin, "Stretch", "1 of 3"},
               {30 * kMin, Advance, RoundEnded, Running, 30 * kMin, "Stretch", "2 of 3"},
               // Off for an hour and a half: the rounds it missed end at their own times.
               {120 * kMin, Advance, Ended, Ringing, 0, "Stretch", "3 of 3"},
           },
           "stretch");
    TimerPlan forever{.label = "Water", .steps = {{"", 60 * 60}}, .rounds = 0};
    Replay(Countdown(forever),
           {
               {0, Start, None, Running, 60 * kMin, "Water", "round 1"},
               {150 * kMin, Advance, RoundEnded, Running, 30 * kMin, "Water", "round 3"},
           },
           "until stopped");
}

// Counting down to a moment: its end is the moment itself, pausing does nothing, and the computer's
// clock is never asked, so a change of its zone changes nothing.
TEST(CountdownTest, ATimerToAMomentEndsAtTheMoment) {
    const int64_t newYear = kT0 + (21 * 24 + 14) * 60 * kMin;  // 2027-01-01 00:00 UTC
    TimerPlan plan{.label = "New Year", .untilMs = newYear};
    Countdown timer(plan);
    timer.Start(kT0);
    timer.Pause(kT0 + kMin);
    EXPECT_EQ(timer.State(), Running);
    EXPECT_EQ(timer.LeftMs(kT0), newYear - kT0);
    EXPECT_EQ(timer.Advance(newYear - 1), None);
    EXPECT_EQ(timer.Advance(newYear), Ended);
    EXPECT_EQ(UniversalTimeText(newYear), "2027-01-01T00:00:00Z");
}

TEST(CountdownTest, TheRegistryKeepsEveryTimerAndTheStopwatchAndForgivesBadValues) {
    KeptTimer kept{.plan = {.label = "Pomodoro",
                            .steps = {{"Work", 1500, Colour::Rgb(200, 0, 0)}, {"Break", 300}},
                            .rounds = 4,
                            .closing = TimerStep{"Long break", 900},
                            .warnSeconds = 60},
                   .look = {.colour = Colour::Rgb(0, 128, 255),
                            .opacity = 40,
                            .clock = 2,
                            .onClock = false,
                            .wake = false,
                            .sound = "C:\\bell.wav"}};
    Countdown timer(kept.plan);
    timer.Start(kT0);
    timer.Advance(kT0 + 1500 * kS);
    kept.run = timer.Run();
    MemoryRegistry key;
    ASSERT_EQ(WriteTimer(kept, key), "");
    EXPECT_EQ(key.values["Ends"], "2026-12-10T10:30:00Z");
    EXPECT_EQ(key.values["Length"], "1500");
    const KeptTimer read = ReadTimer(key);
    EXPECT_EQ(read.plan, kept.plan);
    EXPECT_EQ(read.run, kept.run);
    EXPECT_EQ(read.look, kept.look);

    timer.Pause(kT0 + 1600 * kS);
    kept.run = timer.Run();
    ASSERT_EQ(WriteTimer(kept, key), "");
    EXPECT_EQ(key.values["Left"], "200");
    EXPECT_EQ(key.values["Ends"], "");
    EXPECT_EQ(ReadTimer(key).run, kept.run);

    // A running timer whose end cannot be read is ready; other bad values take their defaults.
    MemoryRegistry bad;
    bad.values = {{"State", "Running"}, {"Ends", "2026-13-01T00:00:00Z"},
                  {"Length", "x"},      {"Opacity", "500"},
                  {"Steps", "-3"},      {"Rounds", "many"}};
    const KeptTimer fallback = ReadTimer(bad);
    EXPECT_EQ(fallback.run.state, Ready);
    EXPECT_EQ(fallback.plan.steps.size(), 1u);
    EXPECT_EQ(fallback.plan.steps[0].seconds, 300);
    EXPECT_EQ(fallback.plan.rounds, 1);
    EXPECT_EQ(fallback.look.opacity, 100);

    Stopwatch stopwatch;
    stopwatch.StartOrPause(kT0);
    stopwatch.Lap(kT0 + 12'345);
    stopwatch.Lap(kT0 + 30'000);
    stopwatch.StartOrPause(kT0 + 31'000);
    stopwatch.Lap(kT0 + 40'000);  // paused: no lap
    EXPECT_EQ(LapsText(stopwatch), "Lap 1\t0:12.3\t0:12.3\r\nLap 2\t0:17.6\t0:30.0\r\n");
    stopwatch.StartOrPause(kT0 + 100'000);
    EXPECT_EQ(stopwatch.ElapsedMs(kT0 + 101'500), 32'500);
    stopwatch.onClock = true;
    stopwatch.clock = 2;
    MemoryRegistry watchKey;
    ASSERT_EQ(WriteStopwatch(stopwatch, watchKey), "");
    EXPECT_EQ(watchKey.values["Started"], "2026-12-10T10:01:09.000Z") << "31 s run by 10:01:40";
    EXPECT_EQ(ReadStopwatch(watchKey), stopwatch);
}

// The book serves the soonest due, shows each clock its soonest timer (a timer whose clock has
// gone on the first), and names the running timers in the tip while there is room.
TEST(CountdownTest, TheBookShowsEachClockItsSoonestTimerAndTheTipWhatFits) {
    TimerBook book;
    const int tea = book.Add({.label = "Tea", .steps = {{"", 240}}}, {.clock = 0}).number;
    const int eggs =
        book.Add({.label = "Eggs", .steps = {{"", 420}}, .warnSeconds = 60}, {.clock = 3}).number;
    const int gone = book.Add({.label = "Bread", .steps = {{"", 60}}}, {.clock = 7}).number;
    EXPECT_EQ(std::vector<int>({tea, eggs, gone}), std::vector<int>({1, 2, 3}));
    for (int number : {tea, eggs, gone}) book.Find(number)->countdown.Start(kT0);
    book.Find(tea)->countdown.Pause(kT0 + 30 * kS);
    const int clocks[] = {0, 3};
    EXPECT_EQ(book.NextDueMs(), kT0 + 60 * kS) << "Bread ends first";
    const TimerOnFace first = book.OnClock(0, clocks, kT0 + 30 * kS);
    EXPECT_TRUE(first.shown && first.running) << "Bread, on the first clock for its own is gone";
    EXPECT_EQ(first.endsMs, kT0 + 60 * kS);
    EXPECT_EQ(book.OnClock(3, clocks, kT0).endsMs, kT0 + 420 * kS);
    EXPECT_FALSE(book.OnClock(5, clocks, kT0).shown);

    std::string tip = "10:15";
    book.AddTipLines(kT0 + 30 * kS, 127, tip);
    EXPECT_EQ(tip, "10:15\nTea 3:30 paused\nEggs 6:30 left\nBread 0:30 left");
    tip = "10:15";
    book.AddTipLines(kT0 + 30 * kS, 36, tip);
    EXPECT_EQ(tip, "10:15\nTea 3:30 paused\nEggs 6:30 left") << "Bread has no room left";

    // Bread, a minute long with half left: half the ring, rounded up.
    const auto ring = book.SoonestRing(kT0 + 30 * kS);
    ASSERT_TRUE(ring);
    EXPECT_EQ(ring->steps, TimerBook::kRingSteps / 2);
    EXPECT_EQ(book.SoonestRing(kT0 + 30 * kS + 1)->steps, TimerBook::kRingSteps / 2);

    std::vector<TimerNews> news;
    book.Advance(kT0 + 360 * kS, news);
    ASSERT_EQ(news.size(), 2u);
    EXPECT_EQ(news[0].number, eggs);
    EXPECT_EQ(news[0].event, Warning);
    EXPECT_EQ(news[1].number, gone);
    EXPECT_EQ(news[1].event, Ended);
    EXPECT_TRUE(book.Remove(gone));
    EXPECT_FALSE(book.Remove(gone));
}

}  // namespace
}  // namespace marvix
