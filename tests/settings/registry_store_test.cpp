#include "settings/registry_store.h"
#include "../support/memory_registry.h"
#include "settings/settled_save.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace marvix {
namespace {

std::vector<std::string> Names(SettingSequence sequence) {
    std::vector<std::string> names;
    for (const SettingDef* def : sequence) names.emplace_back(def->name);
    return names;
}

void Append(std::vector<std::string>& to, std::initializer_list<const char*> names) {
    to.insert(to.end(), names.begin(), names.end());
}

// The order of groups in which the exit save writes, spelled out from the user documentation.
std::vector<std::string> DocumentedExitOrder() {
    std::vector<std::string> order;
    // clang-format off
    Append(order, {"DayCaseInt", "MonthCaseInt", "FL", "FT"});
    Append(order, {"PDX", "PDY", "PX", "PY", "PMnX", "PMnY", "PYrX", "PYrY", "PHrX", "PHrY",
                   "PMinX", "PMinY", "PSecX", "PSecY", "PColon1X", "PColon1Y", "PColon2X",
                   "PColon2Y", "PAMPMX", "PAMPMY", "PIntern1X", "PIntern1Y", "PIntern2X",
                   "PIntern2Y"});
    Append(order, {"CShape", "BackPic"});
    Append(order, {"SDay", "PDay", "SDate", "PDate", "SMonth", "PMonth", "SYear", "PYear",
                   "SHour", "PHour", "SMin", "PMin", "SSec", "PSec", "SColon1", "PColon1",
                   "SColon2", "PColon2", "SAMPM", "PAMPM", "SIntern1", "PIntern1", "SIntern2",
                   "PIntern2"});
    Append(order, {"DLetter", "DDir"});
    Append(order, {"AHS", "AMS", "ASS", "ADtS", "ADyS", "AMnS", "AInternet1", "AInternet2",
                   "ACX", "ACY"});
    Append(order, {"HideMe", "AutoHand", "CHands", "Tray"});
    Append(order, {"LongDayName", "LongMonthName", "LongYearName", "DHMilitary", "C1Blink",
                   "C2Blink"});
    Append(order, {"FacePos"});
    Append(order, {"HX", "HY", "MX", "MY", "SX", "SY", "DDtX", "DDtY", "DyX", "DyY", "MnX",
                   "MnY", "Internet1X", "Internet1Y", "Internet2X", "Internet2Y"});
    Append(order, {"HWT", "MWT", "SWT", "DtWT", "DyWT", "MnWT", "Internet1WT", "Internet2WT"});
    Append(order, {"THand"});
    Append(order, {"DispH", "DispM", "DispS", "DispDate", "DispDay", "DispMonth",
                   "DispInternet1", "DispInternet2"});
    Append(order, {"RSqr"});
    Append(order, {"A1H", "A1M", "A2H", "A2M", "A3H", "A3M", "A4H", "A4M", "A5H", "A5M"});
    Append(order, {"TranWidth", "TranHeight"});
    Append(order, {"Tick", "Tock", "Alarm1", "Alarm2", "Alarm3", "Alarm4", "Alarm5", "A1PM",
                   "A2PM", "A3PM", "A4PM", "A5PM"});
    Append(order, {"MoveIt"});
    Append(order, {"HandE", "HandE2", "HandE3", "HandDt", "HandDy", "HandMn", "HandInternet1",
                   "HandInternet2"});
    Append(order, {"Reversed", "UseWall"});
    Append(order, {"TranDay", "TranDate", "TranMonth", "TranYear", "TranHour", "TranMin",
                   "TranSec", "TranColon1", "TranColon2", "TranAMPM", "TranIntern1",
                   "TranIntern2"});
    Append(order, {"HourMil", "IgnoreBoundary", "TickStr", "TockStr", "A1Str", "A2Str",
                   "A3Str", "A4Str", "A5Str", "WavDrive", "WavDir", "C1Str", "C2Str", "C3Str",
                   "C4Str"});
    Append(order, {"Chime1", "Chime2", "Chime3", "Chime4", "ChimeNum", "Smooth"});
    for (int n = 1; n <= 12; ++n) {
        for (const char* font : {"CFont", "DFont", "FSize", "FStyle"}) {
            order.push_back(font + std::to_string(n));
        }
    }
    Append(order, {"CHourStr", "CMinStr", "CSecStr", "CDateStr", "CDayStr", "CMonthStr",
                   "CInternet1Str", "CInternet2Str"});
    Append(order, {"ColorDayStr", "ColorDateStr", "ColorMonthStr", "ColorYearStr",
                   "ColorHourStr", "ColorMinStr", "ColorSecStr", "ColorColon1Str",
                   "ColorColon2Str", "ColorAMPMStr", "ColorIntern1Str", "ColorIntern2Str"});
    Append(order, {"HHandStyle", "MHandStyle", "SHandStyle", "DateHandStyle", "DayHandStyle",
                   "MonthHandStyle", "Internet1HandStyle", "Internet2HandStyle"});
    for (int n = 0; n <= 7; ++n) order.push_back("HandZ" + std::to_string(n));
    Append(order, {"ShowMoon", "MoonHalf", "PhaseSize", "MoonPhaseLeft", "MoonPhaseTop",
                   "PhaseBaseColorStr", "PhaseBackColorStr", "MoonColorStr", "MoonOutColorStr",
                   "ShowDay", "DayHalf", "DayPhaseSize", "DayPhaseLeft", "DayPhaseTop",
                   "DayBaseColorStr", "DayBackColorStr", "NightBackColorStr", "DayColorStr",
                   "DayOutColorStr", "NightColorStr"});
    for (int n = 1; n <= 14; ++n) order.push_back("DayNames" + std::to_string(n));
    for (int n = 1; n <= 24; ++n) order.push_back("MonthNames" + std::to_string(n));
    return order;
    // clang-format on
}

TEST(RegistrySequences, StartupReadsTrayFirstThenTheRestButTheFonts) {
    EXPECT_EQ(Names(TraySetting()), std::vector<std::string>{"Tray"});

    const std::vector<std::string> startup = Names(StartupSettings());
    EXPECT_EQ(startup.size(), 273u);
    std::set<std::string> seen(startup.begin(), startup.end());
    EXPECT_EQ(seen.size(), 273u);
    EXPECT_FALSE(seen.count("Tray"));
    EXPECT_TRUE(seen.count("Still"));
    for (const std::string& font : Names(DisplayFontSettings())) {
        EXPECT_FALSE(seen.count(font)) << font << " belongs to the first activation";
        seen.insert(font);
    }
    seen.insert("Tray");
    EXPECT_EQ(seen.size(), 322u);
    // The program's own settings are read from their subkey, never from the clock's key, and a
    // clock's key or a file never holds them.
    for (const std::string& own : Names(ProgramSequence())) {
        EXPECT_FALSE(seen.count(own)) << own;
        for (const std::string& exit : Names(ExitSettings())) EXPECT_NE(own, exit);
    }
    EXPECT_EQ(ProgramSequence().size(), ProgramSettings().size());
}

TEST(RegistrySequences, FontsAreReadNameAndSizeThenStylesThenColours) {
    std::vector<std::string> expected;
    for (int n = 1; n <= 12; ++n) {
        expected.push_back("DFont" + std::to_string(n));
        expected.push_back("FSize" + std::to_string(n));
    }
    for (int n = 1; n <= 12; ++n) expected.push_back("FStyle" + std::to_string(n));
    for (int n = 1; n <= 12; ++n) expected.push_back("CFont" + std::to_string(n));
    EXPECT_EQ(Names(DisplayFontSettings()), expected);
}

TEST(RegistrySequences, ExitWritesTheDocumentedOrderWithoutStill) {
    EXPECT_EQ(Names(ExitSettings()), DocumentedExitOrder());
}

TEST(ReadSettings, EmptyKeyYieldsEveryDefault) {
    MemoryRegistry registry;
    ClockSettings settings;
    std::vector<std::string> errors;
    ReadAllSettings(settings, registry, errors);
    EXPECT_TRUE(errors.empty());
    for (const SettingDef& def : AllSettings()) {
        EXPECT_EQ(SettingText(settings, def), def.defaultText) << def.name;
    }
}

TEST(ReadSettings, BadValueIsReportedTakesItsDefaultAndReadingGoesOn) {
    MemoryRegistry registry;
    registry.values = {{"FSize5", "abc"},
                       {"FSize6", "14"},
                       {"DFont7", "Courier New"},
                       {"CFont2", "bluish"},
                       {"CFont3", "255"}};
    ClockSettings settings;
    std::vector<std::string> errors;
    ReadSettings(settings, registry, DisplayFontSettings(), errors);

    EXPECT_EQ(errors, (std::vector<std::string>{"'abc' is not a valid integer value",
                                                "'bluish' is not a valid integer value"}));
    EXPECT_EQ(settings.FSize5, 8);
    EXPECT_EQ(settings.FSize6, 14);
    EXPECT_EQ(settings.DFont7, "Courier New");
    EXPECT_EQ(settings.CFont2.text, "clBlack");
    EXPECT_EQ(settings.CFont3.value, Colour::Rgb(255, 0, 0));
}

// The program's own values under the subkey: one out of range (a Size of 5000 made a clock forty
// times its face), empty where a zone or font must be named, or no boolean, takes its default.
TEST(ReadSettings, AProgramValueItMayNotHoldTakesItsDefault) {
    const struct {
        const char *name, *stored, *read;  // read: as SettingText gives it back
    } cases[] = {
        {"Size", "5000", "100"},        {"Size", "400", "400"}, {"Opacity", "abc", "100"},
        {"LabelX", "-2", "-1"},         {"Zone", "", "local"},  {"Label", "", ""},
        {"SmoothEdges", "yes", "true"},
    };
    for (const auto& c : cases) {
        MemoryRegistry registry;
        registry.values = {{c.name, c.stored}};
        ClockSettings settings = DefaultSettings();
        std::vector<std::string> errors;
        ReadSettings(settings, registry, ProgramSequence(), errors);
        EXPECT_EQ(SettingText(settings, *FindSetting(c.name)), c.read) << c.name << " " << c.stored;
        EXPECT_TRUE(errors.empty());
    }
}

TEST(ReadSettings, UnreadableValueIsReportedAndTakesItsDefault) {
    MemoryRegistry registry;
    registry.unreadable = {"FL"};
    registry.values = {{"FL", "300"}, {"FT", "250"}};
    ClockSettings settings;
    std::vector<std::string> errors;
    ReadSettings(settings, registry, StartupSettings(), errors);
    EXPECT_EQ(errors, std::vector<std::string>{"cannot read FL"});
    EXPECT_EQ(settings.FL, 194);
    EXPECT_EQ(settings.FT, 250);
}

TEST(ReadSettings, HandGeometryGoesIntoTheRequestedValues) {
    MemoryRegistry registry;
    registry.values = {{"AHS", "44"}, {"ACX", "90"}};
    ClockSettings settings;
    std::vector<std::string> errors;
    ReadSettings(settings, registry, StartupSettings(), errors);
    EXPECT_EQ(settings.AHS.requested, 44);
    EXPECT_EQ(settings.ACX.requested, 90);
}

// The clock hands the store its record with the effective geometry folded in (see Folded).
TEST(WriteSettings, WritesTheGeometryGivenRegeneratedFontColoursAndOtherColoursAsStored) {
    MemoryRegistry registry;
    registry.values = {
        {"CFont4", "255"}, {"ColorDayStr", "clwhite"}, {"ColorDateStr", "255"}, {"AHS", "500"}};
    ClockSettings settings;
    std::vector<std::string> errors;
    ReadSettings(settings, registry, StartupSettings(), errors);
    ReadSettings(settings, registry, DisplayFontSettings(), errors);
    settings.AHS.requested = 40;

    ASSERT_TRUE(WriteSettings(settings, registry, ExitSettings(), errors));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(registry.values["CFont4"], "clRed");
    EXPECT_EQ(registry.values["ColorDayStr"], "clwhite");
    EXPECT_EQ(registry.values["ColorDateStr"], "255");
    EXPECT_EQ(registry.values["AHS"], "40");
    EXPECT_EQ(registry.written.size(), 321u);
}

TEST(WriteSettings, StillIsReadButNeverWritten) {
    MemoryRegistry registry;
    registry.values = {{"Still", "false"}};
    ClockSettings settings = DefaultSettings();
    std::vector<std::string> errors;
    ReadSettings(settings, registry, StartupSettings(), errors);
    EXPECT_FALSE(settings.Still);

    settings.Still = true;
    ASSERT_TRUE(WriteSettings(settings, registry, ExitSettings(), errors));
    EXPECT_EQ(registry.values["Still"], "false");
}

TEST(WriteSettings, StopsAtTheFirstRefusedValue) {
    MemoryRegistry registry;
    registry.refused = {"CShape"};
    ClockSettings settings = DefaultSettings();
    std::vector<std::string> errors;
    EXPECT_FALSE(WriteSettings(settings, registry, ExitSettings(), errors));
    EXPECT_EQ(errors, std::vector<std::string>{"refused CShape"});
    EXPECT_EQ(registry.written.size(), 28u);  // the values before CShape
    EXPECT_FALSE(registry.values.count("BackPic"));
}

TEST(WriteSettings, EveryChangedValueSurvivesARestart) {
    ClockSettings before = DefaultSettings();
    before.FL = -20;
    before.CShape = 2;
    before.SMonth = true;
    before.FStyle1 = FontStyle{FontStyle::kBold | FontStyle::kItalic};
    before.FStyle2 = FontStyle{FontStyle::kItalic | FontStyle::kUnderline};
    before.CFont9.value = Colour{0x8000000F};
    before.HandZ0 = "hour";
    before.WavDrive = "d:";
    before.DayNames8 = "Dim";
    before.ASS.requested = 72;

    MemoryRegistry registry;
    std::vector<std::string> errors;
    ASSERT_TRUE(WriteSettings(before, registry, ExitSettings(), errors));

    ClockSettings after;
    ReadAllSettings(after, registry, errors);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(after.FL, -20);
    EXPECT_EQ(after.CShape, 2);
    EXPECT_TRUE(after.SMonth);
    EXPECT_EQ(after.FStyle1, before.FStyle1);
    EXPECT_EQ(after.FStyle2, FontStyle{}) << "italic and underlined has no letters";
    EXPECT_EQ(after.CFont9.text, "clBtnFace");
    EXPECT_EQ(after.HandZ0, "hour");
    EXPECT_EQ(after.WavDrive, "d:");
    EXPECT_EQ(after.DayNames8, "Dim");
    EXPECT_EQ(after.ASS.requested, 72);
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// A save while the clock runs must leave the key as an exit right then would leave it.
TEST(SettledSave, WritesExactlyWhatTheExitSaveWrites) {
    ClockSettings s = DefaultSettings();
    s.CFont2 = {"$0000FF00", Colour{0x0000FF00}};  // the exit save regenerates it: "clLime"
    s.DFont3 = "A Typeface Name Of Forty Characters Long";
    s.AHS = {40};  // the effective length, folded in as the clock saves
    s.HandZ0 = "Hour";
    MemoryRegistry atExit, whileRunning;
    std::vector<std::string> errors;
    ClockSettings exiting = s;
    ASSERT_TRUE(WriteSettings(exiting, atExit, ExitSettings(), errors));
    ASSERT_TRUE(WriteValues(whileRunning, ExitSettings(), ExitValues(s), errors));
    EXPECT_EQ(whileRunning.values, atExit.values);
    EXPECT_EQ(whileRunning.written, atExit.written) << "in the same order";
    EXPECT_FALSE(whileRunning.values.contains("Still"));
    EXPECT_EQ(s.CFont2.text, "$0000FF00") << "the running record is not touched";
}

// The checks count changes; only settled changes are formatted and compared with the store.
TEST(SettledSave, SavesOnlyAChangeThatHasSettledAndDiffersFromTheStore) {
    SettledSave save;
    save.Stored({"a", "b"}, 0);
    for (int check = 0; check < 10; ++check) EXPECT_FALSE(save.Settled(0)) << "nothing changed";
    EXPECT_FALSE(save.Settled(1));
    EXPECT_FALSE(save.Settled(1));
    EXPECT_FALSE(save.Settled(3)) << "still changing: the wait starts again";
    EXPECT_FALSE(save.Settled(3));
    EXPECT_FALSE(save.Settled(3));
    ASSERT_TRUE(save.Settled(3));
    EXPECT_TRUE(save.Differs({"a", "d"}));
    save.Stored({"a", "d"}, 3);
    EXPECT_FALSE(save.Settled(3)) << "stored";

    // Changed, then changed back before it settled.
    for (int check = 1; check < SettledSave::kSettledChecks; ++check) EXPECT_FALSE(save.Settled(5));
    ASSERT_TRUE(save.Settled(5));
    EXPECT_FALSE(save.Differs({"a", "d"})) << "nothing to write";
}

}  // namespace
}  // namespace marvix
