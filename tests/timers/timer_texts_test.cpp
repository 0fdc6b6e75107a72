// How timer lengths are read and times shown, and where a timer's sector lies on the face.
#include <gtest/gtest.h>

#include "timers/countdown.h"
#include "timers/hotkeys.h"
#include "timers/timer_command.h"
#include "timers/timer_length.h"
#include "timers/timer_sector.h"
#include "timers/typed_plan.h"

namespace marvix {
namespace {

TEST(TimerTextsTest, LengthsAreReadInEveryFormAndNothingElse) {
    const struct {
        const char* text;
        std::optional<int64_t> seconds;
    } cases[] = {
        {"25", 1500},
        {" 1 ", 60},
        {"4:30", 270},
        {"0:05", 5},
        {"90:00", 5400},
        {"1:30:00", 5400},
        {"999:00:00", 3596400},
        {"90s", 90},
        {"1h30m", 5400},
        {"1H 30M 15S", 5415},
        {"2m 5s", 125},
        {"45 m", 2700},
        {"", {}},
        {"0", {}},
        {"0:00", {}},
        {"4:60", {}},
        {"4:5", {}},
        {"1:2:3", {}},
        {"1:00:00:00", {}},
        {":30", {}},
        {"4:", {}},
        {"1000h", {}},
        {"999:00:01", {}},
        {"1.5", {}},
        {"-5", {}},
        {"1m1h", {}},
        {"1h1h", {}},
        {"5 min", {}},
        {"tea", {}},
        {"12345678", {}},
        {"1h30", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseTimerLength(c.text), c.seconds) << c.text;
}

// Steps come back as they were typed, in the window's own words; a moment is the next one typed.
TEST(TimerTextsTest, StepsAndMomentsAreReadAsTyped) {
    const struct {
        const char* text;
        const char* read;  // StepsText of what was read; nullptr: refused
    } steps[] = {
        {"25", "25:00"},
        {"Work 25, Break 5, then Long break 15", "Work 25:00, Break 5:00, then Long break 15:00"},
        {" Long break 1h 30m ,Tea 90s", "Long break 1:30:00, Tea 1:30"},
        {"then Tea 5", nullptr},
        {"Work 25, then A 5, B 5", nullptr},
        {"Work 25,", nullptr},
        {"Work", nullptr},
        {"Work 0", nullptr},
    };
    for (const auto& c : steps) {
        const std::optional<TypedSteps> typed = ParseSteps(c.text);
        ASSERT_EQ(typed.has_value(), c.read != nullptr) << c.text;
        if (typed) {
            EXPECT_EQ(StepsText({.steps = typed->steps, .closing = typed->closing}), c.read);
        }
    }
    const LocalTime now = {2026, 12, 10, 5, 18, 30, 15, 0};
    const struct {
        const char* text;
        std::optional<LocalTime> moment;
    } moments[] = {
        {"2027-01-01 00:00", LocalTime{2027, 1, 1, 6, 0, 0, 0, 0}},
        {"2027-01-01", LocalTime{2027, 1, 1, 6, 0, 0, 0, 0}},
        {" 19:05 ", LocalTime{2026, 12, 10, 5, 19, 5, 0, 0}},
        {"7:30", LocalTime{2026, 12, 11, 6, 7, 30, 0, 0}},
        {"18:30", LocalTime{2026, 12, 11, 6, 18, 30, 0, 0}},
        {"2026-12-10 18:00", {}},
        {"2027-02-29 10:00", {}},
        {"2027-01-01 24:00", {}},
        {"2027-1-1", {}},
        {"noon", {}},
    };
    for (const auto& c : moments) EXPECT_EQ(ParseMoment(c.text, now), c.moment) << c.text;
}

TEST(TimerTextsTest, TimesShowAsAClockReadsThem) {
    const struct {
        int64_t milliseconds;
        const char* left;
        const char* tenths;
    } cases[] = {
        {0, "0:00", "0:00.0"},
        {1, "0:01", "0:00.0"},  // the last fraction of a second still shows a second left
        {59'999, "1:00", "0:59.9"},
        {252'000, "4:12", "4:12.0"},
        {3'723'400, "1:02:04", "1:02:03.4"},
        {86'400'000, "24:00:00", "24:00:00.0"},
        {86'401'000, "1 day 0:00:01", "24:00:01.0"},
        {2 * 86'400'000 + 14'706'000, "2 days 4:05:06", "52:05:06.0"},
        {-5, "0:00", "0:00.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeLeftText(c.milliseconds), c.left) << c.milliseconds;
        EXPECT_EQ(TenthsText(c.milliseconds), c.tenths) << c.milliseconds;
    }
    EXPECT_EQ(LengthText(1500), "25:00");
    EXPECT_EQ(EndedAtText("Tea", 10, 5), "Tea ended at 10:05");
    EXPECT_EQ(EndedAtText("", 9, 30), "Timer ended at 9:30");
}

TEST(TimerTextsTest, CommandLinesStartTimersTheStopwatchOrTheWindow) {
    using Kind = TimerCommand::Kind;
    const struct {
        const char* line;
        std::optional<TimerCommand> command;
    } cases[] = {
        {"", TimerCommand{}},
        {"  ", TimerCommand{}},
        {"/timer 0:20 Tea", TimerCommand{Kind::Timer, 20, "Tea"}},
        {"-TIMER 25 \"Green tea\"  now", TimerCommand{Kind::Timer, 1500, "Green tea now"}},
        {"/timer 1h30m", TimerCommand{Kind::Timer, 5400, ""}},
        {"/stopwatch", TimerCommand{.kind = Kind::Stopwatch}},
        {"/Timers", TimerCommand{.kind = Kind::TimersWindow}},
        {"/timer", std::nullopt},
        {"/timer tea 5", std::nullopt},
        {"/timers now", std::nullopt},
        {"/alarm 5", std::nullopt},
        {"timer 5", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseTimerCommand(c.line), c.command) << c.line;
}

TEST(TimerTextsTest, KeysForEveryProgramAreKeptAsTheyAreNamed) {
    const struct {
        const char* text;
        std::optional<Hotkey> key;
        const char* named;
    } cases[] = {
        {"Ctrl+Alt+T", Hotkey{3, 'T'}, "Ctrl+Alt+T"},
        {"alt+ctrl+t", Hotkey{3, 'T'}, "Ctrl+Alt+T"},
        {"Ctrl+Shift+F12", Hotkey{6, 0x7B}, "Ctrl+Shift+F12"},
        {"Alt+Win+5", Hotkey{9, '5'}, "Alt+Win+5"},
        {"Shift+T", std::nullopt, ""},  // would take T from every program
        {"T", std::nullopt, ""},
        {"Ctrl+Alt+", std::nullopt, ""},
        {"Ctrl+Meta+T", std::nullopt, ""},
        {"Ctrl+Alt+F25", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseHotkey(c.text), c.key) << c.text;
        if (c.key) {
            EXPECT_EQ(HotkeyText(*c.key), c.named);
        }
    }
    EXPECT_EQ(HotkeyTakenText({3, 'T'}),
              "Ctrl+Alt+T is held by another program: choose another key.");
}

// The sector starts under the minute hand and ends where the hand stands at the timer's end.
TEST(TimerTextsTest, TheSectorRunsFromTheMinuteHandToWhereItStandsAtTheEnd) {
    constexpr int64_t kMinute = 60'000;
    const struct {
        LocalTime now;
        int64_t left;
        TimerSector sector;
    } cases[] = {
        {{2026, 12, 10, 5, 10, 0, 0}, 15 * kMinute, {0, 90, 0}},
        {{2026, 12, 10, 5, 10, 45, 30}, 15 * kMinute, {273, 90, 0}},
        {{2026, 12, 10, 5, 10, 15, 0}, 60 * kMinute, {90, 360, 0}},
        {{2026, 12, 10, 5, 10, 15, 0}, 90 * kMinute, {90, 180, 1}},
        {{2026, 12, 10, 5, 10, 15, 0}, 120 * kMinute, {90, 360, 1}},
        {{2026, 12, 10, 5, 10, 15, 0}, 180 * kMinute + 1, {90, 0.0001, 3}},
        {{2026, 12, 10, 5, 10, 15, 0}, 0, {90, 0, 0}},
    };
    for (const auto& c : cases) {
        const TimerSector sector = SectorOf(c.now, c.left);
        EXPECT_NEAR(sector.startDegrees, c.sector.startDegrees, 1e-9) << c.left;
        EXPECT_NEAR(sector.sweepDegrees, c.sector.sweepDegrees, 1e-9) << c.left;
        EXPECT_EQ(sector.hoursMore, c.sector.hoursMore) << c.left;
    }
}

}  // namespace
}  // namespace marvix
