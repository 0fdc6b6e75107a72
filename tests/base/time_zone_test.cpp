#include "base/time_zone.h"

#include <gtest/gtest.h>

#include <map>

#include "digital/display_texts.h"

namespace marvix {
namespace {

// Rules as Windows records them for 2026: bias, standard and daylight bias, and the changes
// (month, weekday from Sunday 0, week with 5 the last, hour).
constexpr ZoneChange Recurring(uint16_t month, uint16_t week, uint16_t hour) {
    return {0, month, 0, week, hour, 0, 0, 0};
}
const std::map<std::string, ZoneRule> kRecorded{
    {"Pacific Standard Time", {480, 0, -60, Recurring(11, 1, 2), Recurring(3, 2, 2)}},
    {"AUS Eastern Standard Time", {-600, 0, -60, Recurring(4, 1, 3), Recurring(10, 1, 2)}},
    {"India Standard Time", {-330, 0, 0, {}, {}}},
    {"Nepal Standard Time", {-345, 0, 0, {}, {}}},
    {"Line Islands Standard Time", {-840, 0, 0, {}, {}}},
};

LocalTime At(const char* text) { return *ParseLocalTime(text); }

// Each zone's time, and what its clock's hour, day and Internet-time displays show, at instants
// either side of both nights of the change and where the day is not universal time's day. The
// Internet time is the same in every zone.
TEST(TimeZone, AClockInAZoneShowsItsTimeAcrossItsChangesAndTheDateLine) {
    const struct {
        const char* zone;
        const char* utc;
        const char* local;
        const char* hour;
        const char* day;
    } cases[] = {
        {"Pacific Standard Time", "2026-03-08T09:59:00", "2026-03-08T01:59:00", " 1", "Sun"},
        {"Pacific Standard Time", "2026-03-08T10:00:00", "2026-03-08T03:00:00", " 3", "Sun"},
        {"Pacific Standard Time", "2026-11-01T08:59:00", "2026-11-01T01:59:00", " 1", "Sun"},
        {"Pacific Standard Time", "2026-11-01T09:00:00", "2026-11-01T01:00:00", " 1", "Sun"},
        {"AUS Eastern Standard Time", "2026-04-04T15:59:00", "2026-04-05T02:59:00", " 2", "Sun"},
        {"AUS Eastern Standard Time", "2026-04-04T16:00:00", "2026-04-05T02:00:00", " 2", "Sun"},
        {"AUS Eastern Standard Time", "2026-10-03T15:59:00", "2026-10-04T01:59:00", " 1", "Sun"},
        {"AUS Eastern Standard Time", "2026-10-03T16:00:00", "2026-10-04T03:00:00", " 3", "Sun"},
        {"AUS Eastern Standard Time", "2026-07-01T00:00:00", "2026-07-01T10:00:00", "10", "Wed"},
        {"India Standard Time", "2026-12-09T12:00:00", "2026-12-09T17:30:00", " 5", "Wed"},
        {"Nepal Standard Time", "2026-12-09T12:00:00", "2026-12-09T17:45:00", " 5", "Wed"},
        {"Line Islands Standard Time", "2026-12-09T12:00:00", "2026-12-10T02:00:00", " 2", "Thu"},
    };
    const ClockSettings s = DefaultSettings();
    const LocalTime noonUtc = At("2026-12-09T12:00:00");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " at " + c.utc);
        const LocalTime utc = At(c.utc);
        const ZoneReading zone = InZone(kRecorded.at(c.zone), utc);
        EXPECT_EQ(zone.time, At(c.local));
        EXPECT_EQ(AddMilliseconds(zone.time, zone.bias * 60'000), utc) << "the bias goes back";
        EXPECT_EQ(DisplayText(Display::Hour, s, true, zone.time, zone.bias), c.hour);
        EXPECT_EQ(DisplayText(Display::Day, s, true, zone.time, zone.bias), c.day);
        EXPECT_EQ(DisplayText(Display::Inter1, s, true, zone.time, zone.bias),
                  DisplayText(Display::Inter1, s, true, utc, 0));
    }
    EXPECT_EQ(InZone(kRecorded.at("Pacific Standard Time"), noonUtc).bias, 480);
}

// A moment typed in a zone's own time is the universal instant its clocks show it: across both
// changes, an hour shown twice is its first showing, an hour skipped is read in standard time.
TEST(TimeZone, AMomentInAZonesTimeIsTheInstantItsClocksShowIt) {
    const struct {
        const char* zone;
        const char* local;
        const char* utc;
    } cases[] = {
        {"Pacific Standard Time", "2027-01-01T00:00:00", "2027-01-01T08:00:00"},
        {"Pacific Standard Time", "2026-07-01T12:00:00", "2026-07-01T19:00:00"},
        {"Pacific Standard Time", "2026-11-01T01:30:00", "2026-11-01T08:30:00"},
        {"Pacific Standard Time", "2026-03-08T02:30:00", "2026-03-08T10:30:00"},
        {"AUS Eastern Standard Time", "2027-01-01T00:00:00", "2026-12-31T13:00:00"},
        {"Nepal Standard Time", "2027-01-01T00:00:00", "2026-12-31T18:15:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UniversalOf(kRecorded.at(c.zone), At(c.local)), MillisecondsSince1970(At(c.utc)))
            << c.zone << " " << c.local;
    }
}

// A clock reads the computer's universal time into its zone, asking for the rule once a year
// and again when told the zones changed; a zone without a rule reads the computer's own time and
// says it was lost.
TEST(TimeZone, AZonedClockReadsTheComputersTimeIntoItsZoneOrFallsBack) {
    struct Recorded final : ZoneRules {
        std::optional<ZoneRule> rule;
        int asked = 0;
        std::optional<ZoneRule> RuleFor(int) override {
            ++asked;
            return rule;
        }
    } rules;
    // Berlin's computer at 13:00 in winter, an hour ahead of universal time.
    FixedTime computer(At("2026-12-09T13:00:00"), -60);
    ZonedTime zoned(computer, rules);
    rules.rule = kRecorded.at("India Standard Time");
    EXPECT_EQ(zoned.Now(), At("2026-12-09T17:30:00"));
    EXPECT_EQ(zoned.UtcBiasMinutes(), -330);
    EXPECT_FALSE(zoned.Lost());
    EXPECT_EQ(rules.asked, 1) << "once for the year";
    rules.rule = kRecorded.at("Nepal Standard Time");
    zoned.Refresh();
    EXPECT_EQ(zoned.Now(), At("2026-12-09T17:45:00")) << "the new rule";

    rules.rule.reset();
    computer.time = At("2027-01-01T13:00:00");
    EXPECT_EQ(zoned.Now(), computer.time) << "a new year, and no rule for it";
    EXPECT_EQ(zoned.UtcBiasMinutes(), -60);
    EXPECT_TRUE(zoned.Lost());
}

TEST(TimeZone, ALabelIsTheFirstPlaceAndTypingFindsAZoneByAnyOfItsWords) {
    EXPECT_EQ(FirstPlaceOf("(UTC+09:00) Osaka, Sapporo, Tokyo"), "Osaka");
    EXPECT_EQ(FirstPlaceOf("(UTC-05:00) Eastern Time (US & Canada)"), "Eastern Time");
    EXPECT_EQ(FirstPlaceOf("(UTC) Coordinated Universal Time"), "Coordinated Universal Time");
    EXPECT_TRUE(ZoneMatches("(UTC+09:00) Osaka, Sapporo, Tokyo", "tokyo"));
    EXPECT_TRUE(ZoneMatches("(UTC+09:00) Osaka, Sapporo, Tokyo", " TOKYO  osa"));
    EXPECT_FALSE(ZoneMatches("(UTC+09:00) Osaka, Sapporo, Tokyo", "tokyo kyoto"));
}

}  // namespace
}  // namespace marvix
