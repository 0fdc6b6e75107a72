#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace marvix {
namespace {

constexpr Encoding kInt = Encoding::Integer, kBool = Encoding::Boolean,
                   kColour = Encoding::ColourText, kStyle = Encoding::StyleLetters,
                   kString = Encoding::String;

struct Row {
    std::string name;
    Encoding encoding;
    std::string defaultText;
};

// The settings as the user documentation lays them out, table by table, transcribed
// independently of settings_table.def so that a slip in either shows up here.
std::vector<Row> DocumentedSettings() {
    // clang-format off
    std::vector<Row> rows = {
        // Window and face.
        {"FL", kInt, "194"}, {"FT", kInt, "105"}, {"CShape", kInt, "0"}, {"RSqr", kInt, "0"},
        {"FacePos", kInt, "1"}, {"BackPic", kString, ""}, {"DLetter", kString, ""},
        {"DDir", kString, ""}, {"UseWall", kBool, "false"}, {"TranWidth", kInt, "100"},
        {"TranHeight", kInt, "100"}, {"IgnoreBoundary", kBool, "false"},
        {"MoveIt", kBool, "true"}, {"HideMe", kBool, "false"}, {"Tray", kBool, "false"},
        {"Still", kBool, "true"},
        // Display options.
        {"LongDayName", kBool, "false"}, {"LongMonthName", kBool, "false"},
        {"LongYearName", kBool, "false"}, {"DHMilitary", kBool, "false"},
        {"C1Blink", kBool, "false"}, {"C2Blink", kBool, "false"},
        {"DayCaseInt", kInt, "2"}, {"MonthCaseInt", kInt, "2"},
        // Hand options.
        {"CHands", kBool, "true"}, {"ACX", kInt, "0"}, {"ACY", kInt, "0"},
        {"AutoHand", kBool, "true"}, {"THand", kBool, "true"}, {"Reversed", kBool, "false"},
        {"Smooth", kBool, "false"}, {"HourMil", kBool, "false"},
        {"HandZ0", kString, "Sec"}, {"HandZ1", kString, "Min"}, {"HandZ2", kString, "Hour"},
        {"HandZ3", kString, "Dat"}, {"HandZ4", kString, "Day"}, {"HandZ5", kString, "Mon"},
        {"HandZ6", kString, "Int2"}, {"HandZ7", kString, "Int1"},
        // Sounds.
        {"Tick", kBool, "false"}, {"TickStr", kString, ""}, {"Tock", kBool, "false"},
        {"TockStr", kString, ""}, {"Chime1", kBool, "false"}, {"C1Str", kString, ""},
        {"Chime2", kBool, "false"}, {"C2Str", kString, ""}, {"Chime3", kBool, "false"},
        {"C3Str", kString, ""}, {"Chime4", kBool, "false"}, {"C4Str", kString, ""},
        {"ChimeNum", kBool, "true"}, {"WavDrive", kString, ""}, {"WavDir", kString, ""},
        // Phase displays.
        {"ShowMoon", kBool, "false"}, {"MoonHalf", kBool, "false"}, {"PhaseSize", kInt, "120"},
        {"MoonPhaseLeft", kInt, "0"}, {"MoonPhaseTop", kInt, "0"},
        {"PhaseBaseColorStr", kColour, "clWhite"}, {"PhaseBackColorStr", kColour, "clNavy"},
        {"MoonColorStr", kColour, "clYellow"}, {"MoonOutColorStr", kColour, "clGray"},
        {"ShowDay", kBool, "false"}, {"DayHalf", kBool, "false"},
        {"DayPhaseSize", kInt, "120"}, {"DayPhaseLeft", kInt, "0"}, {"DayPhaseTop", kInt, "0"},
        {"DayBaseColorStr", kColour, "clWhite"}, {"DayBackColorStr", kColour, "clAqua"},
        {"NightBackColorStr", kColour, "clNavy"}, {"DayColorStr", kColour, "clYellow"},
        {"DayOutColorStr", kColour, "clRed"}, {"NightColorStr", kColour, "clSilver"},
    };

    struct Display {
        const char *show, *autoPlace, *transparent, *x, *xDefault, *y, *yDefault, *background;
    };
    const Display displays[] = {
        {"SDay", "PDay", "TranDay", "PDX", "57", "PDY", "111", "ColorDayStr"},
        {"SDate", "PDate", "TranDate", "PX", "127", "PY", "111", "ColorDateStr"},
        {"SMonth", "PMonth", "TranMonth", "PMnX", "127", "PMnY", "51", "ColorMonthStr"},
        {"SYear", "PYear", "TranYear", "PYrX", "57", "PYrY", "51", "ColorYearStr"},
        {"SHour", "PHour", "TranHour", "PHrX", "57", "PHrY", "61", "ColorHourStr"},
        {"SMin", "PMin", "TranMin", "PMinX", "57", "PMinY", "71", "ColorMinStr"},
        {"SSec", "PSec", "TranSec", "PSecX", "57", "PSecY", "81", "ColorSecStr"},
        {"SColon1", "PColon1", "TranColon1", "PColon1X", "57", "PColon1Y", "91", "ColorColon1Str"},
        {"SColon2", "PColon2", "TranColon2", "PColon2X", "57", "PColon2Y", "101", "ColorColon2Str"},
        {"SAMPM", "PAMPM", "TranAMPM", "PAMPMX", "57", "PAMPMY", "101", "ColorAMPMStr"},
        {"SIntern1", "PIntern1", "TranIntern1", "PIntern1X", "57", "PIntern1Y", "111", "ColorIntern1Str"},
        {"SIntern2", "PIntern2", "TranIntern2", "PIntern2X", "57", "PIntern2Y", "121", "ColorIntern2Str"},
    };
    for (const Display& d : displays) {
        const bool shown = std::string(d.show) == "SDay" || std::string(d.show) == "SDate";
        rows.push_back({d.show, kBool, shown ? "true" : "false"});
        rows.push_back({d.autoPlace, kBool, "false"});
        rows.push_back({d.transparent, kBool, "false"});
        rows.push_back({d.x, kInt, d.xDefault});
        rows.push_back({d.y, kInt, d.yDefault});
        rows.push_back({d.background, kColour, "$000FFF00"});
    }

    for (int n = 1; n <= 12; ++n) {
        const std::string slot = std::to_string(n);
        rows.push_back({"DFont" + slot, kString, ""});
        rows.push_back({"FSize" + slot, kInt, "8"});
        rows.push_back({"FStyle" + slot, kStyle, ""});
        rows.push_back({"CFont" + slot, kColour, "clBlack"});
    }

    struct Hand {
        const char *show, *showDefault, *length, *width, *widthDefault, *x, *y, *style, *tail,
            *colour, *colourDefault;
    };
    const Hand hands[] = {
        {"DispH", "true", "AHS", "HWT", "3", "HX", "HY", "HHandStyle", "HandE", "CHourStr", "$000FF000"},
        {"DispM", "true", "AMS", "MWT", "3", "MX", "MY", "MHandStyle", "HandE2", "CMinStr", "$0000FF00"},
        {"DispS", "true", "ASS", "SWT", "1", "SX", "SY", "SHandStyle", "HandE3", "CSecStr", "$00FF0000"},
        {"DispDate", "false", "ADtS", "DtWT", "1", "DDtX", "DDtY", "DateHandStyle", "HandDt", "CDateStr", "$00FF0000"},
        {"DispDay", "false", "ADyS", "DyWT", "1", "DyX", "DyY", "DayHandStyle", "HandDy", "CDayStr", "$00FF0000"},
        {"DispMonth", "false", "AMnS", "MnWT", "1", "MnX", "MnY", "MonthHandStyle", "HandMn", "CMonthStr", "$00FF0000"},
        {"DispInternet1", "false", "AInternet1", "Internet1WT", "3", "Internet1X", "Internet1Y", "Internet1HandStyle", "HandInternet1", "CInternet1Str", "$00FF0000"},
        {"DispInternet2", "false", "AInternet2", "Internet2WT", "3", "Internet2X", "Internet2Y", "Internet2HandStyle", "HandInternet2", "CInternet2Str", "$00FF0000"},
    };
    for (const Hand& h : hands) {
        rows.push_back({h.show, kBool, h.showDefault});
        rows.push_back({h.length, kInt, "0"});
        rows.push_back({h.width, kInt, h.widthDefault});
        rows.push_back({h.x, kInt, "0"});
        rows.push_back({h.y, kInt, "0"});
        rows.push_back({h.style, kInt, "0"});
        rows.push_back({h.tail, kBool, "true"});
        rows.push_back({h.colour, kColour, h.colourDefault});
    }

    for (int n = 1; n <= 5; ++n) {
        const std::string a = std::to_string(n);
        rows.push_back({"Alarm" + a, kBool, "false"});
        rows.push_back({"A" + a + "H", kInt, "0"});
        rows.push_back({"A" + a + "M", kInt, "0"});
        rows.push_back({"A" + a + "PM", kBool, "false"});
        rows.push_back({"A" + a + "Str", kString, ""});
    }

    const char* dayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                              "Saturday", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int n = 0; n < 14; ++n) {
        rows.push_back({"DayNames" + std::to_string(n + 1), kString, dayNames[n]});
    }
    const char* monthNames[] = {"January", "February", "March", "April", "May", "June", "July",
                                "August", "September", "October", "November", "December",
                                "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep",
                                "Oct", "Nov", "Dec"};
    for (int n = 0; n < 24; ++n) {
        rows.push_back({"MonthNames" + std::to_string(n + 1), kString, monthNames[n]});
    }
    return rows;
    // clang-format on
}

TEST(SettingsTable, MatchesTheDocumentedNamesEncodingsAndDefaults) {
    const std::vector<Row> documented = DocumentedSettings();
    ASSERT_EQ(documented.size(), 322u);
    ASSERT_EQ(AllSettings().size(), 322u);

    std::set<std::string> names;
    for (const SettingDef& def : AllSettings()) names.insert(std::string(def.name));
    EXPECT_EQ(names.size(), 322u) << "a name appears twice in the table";

    for (const Row& row : documented) {
        SCOPED_TRACE(row.name);
        const SettingDef* def = FindSetting(row.name);
        ASSERT_NE(def, nullptr);
        EXPECT_EQ(def->encoding(), row.encoding);
        EXPECT_EQ(def->defaultText, row.defaultText);
    }
}

TEST(SettingsTable, FindsNamesExactlyAsSpelled) {
    EXPECT_NE(FindSetting("CShape"), nullptr);
    EXPECT_EQ(FindSetting("cshape"), nullptr);
    EXPECT_EQ(FindSetting("DayNames15"), nullptr);
    EXPECT_EQ(FindSetting(""), nullptr);
}

TEST(DefaultSettings, HoldEveryDefaultTypedAndResolved) {
    const ClockSettings s = DefaultSettings();
    EXPECT_EQ(s.FL, 194);
    EXPECT_EQ(s.FT, 105);
    EXPECT_TRUE(s.SDay);
    EXPECT_TRUE(s.SDate);
    EXPECT_FALSE(s.SMonth);
    EXPECT_TRUE(s.DispH && s.DispM && s.DispS);
    EXPECT_FALSE(s.DispDate);
    EXPECT_TRUE(s.Still);
    EXPECT_EQ(s.FSize12, 8);
    EXPECT_EQ(s.FStyle3, FontStyle{});
    EXPECT_EQ(s.CFont7.text, "clBlack");
    EXPECT_EQ(s.CHourStr.text, "$000FF000");
    EXPECT_EQ(s.CHourStr.value, Colour::Rgb(0, 0xF0, 0x0F));
    EXPECT_EQ(s.ColorDateStr.value, Colour::Rgb(0, 0xFF, 0x0F));
    EXPECT_EQ(s.DayBackColorStr.value, Colour::Rgb(0, 255, 255));
    EXPECT_EQ(s.HandZ7, "Int1");
    EXPECT_EQ(s.MonthNames17, "May");
    EXPECT_EQ(s.AHS.requested, 0);
}

TEST(SettingText, EveryDefaultWritesBackAsItsDefaultText) {
    const ClockSettings s = DefaultSettings();
    for (const SettingDef& def : AllSettings()) {
        EXPECT_EQ(SettingText(s, def), def.defaultText) << def.name;
    }
}

TEST(SettingText, ColourTextsStayAsStoredWhileTheirValueIsResolved) {
    ClockSettings s;
    ASSERT_TRUE(AssignSettingText(s, *FindSetting("ColorDayStr"), "clwhite"));
    EXPECT_EQ(s.ColorDayStr.value, Colour{0x00FFFFFF});
    EXPECT_EQ(SettingText(s, *FindSetting("ColorDayStr")), "clwhite");

    ASSERT_TRUE(AssignSettingText(s, *FindSetting("ColorDateStr"), "255"));
    EXPECT_EQ(s.ColorDateStr.value, Colour::Rgb(255, 0, 0));
    EXPECT_EQ(SettingText(s, *FindSetting("ColorDateStr")), "255");
}

TEST(SettingText, FontColoursAreRegeneratedFromTheirValue) {
    ClockSettings s;
    ASSERT_TRUE(AssignSettingText(s, *FindSetting("CFont3"), "clwhite"));
    ASSERT_TRUE(AssignSettingText(s, *FindSetting("CFont4"), "255"));
    ASSERT_TRUE(AssignSettingText(s, *FindSetting("CFont5"), "$00abcdef"));
    RegenerateFontColourTexts(s);
    EXPECT_EQ(s.CFont3.text, "clWhite");
    EXPECT_EQ(s.CFont4.text, "clRed");
    EXPECT_EQ(s.CFont5.text, "$00ABCDEF");
}

TEST(SettingText, FailedConversionLeavesTheFieldAlone) {
    ClockSettings s = DefaultSettings();
    EXPECT_FALSE(AssignSettingText(s, *FindSetting("FL"), "12a"));
    EXPECT_EQ(s.FL, 194);
    EXPECT_FALSE(AssignSettingText(s, *FindSetting("CSecStr"), "bluish"));
    EXPECT_EQ(s.CSecStr.text, "$00FF0000");
    EXPECT_FALSE(AssignSettingText(s, *FindSetting("AHS"), ""));
    EXPECT_EQ(s.AHS.requested, 0);
}

TEST(SettingText, StylesAndStringsRoundTrip) {
    ClockSettings s;
    const SettingDef& style = *FindSetting("FStyle2");
    ASSERT_TRUE(AssignSettingText(s, style, "bi"));
    EXPECT_EQ(s.FStyle2, FontStyle{FontStyle::kBold | FontStyle::kItalic});
    EXPECT_EQ(SettingText(s, style), "bi");

    s.FStyle2 = FontStyle{FontStyle::kItalic | FontStyle::kUnderline};
    EXPECT_EQ(SettingText(s, style), "");

    const SettingDef& wavDir = *FindSetting("WavDir");
    ASSERT_TRUE(AssignSettingText(s, wavDir, " C:\\Sounds\\ "));
    EXPECT_EQ(SettingText(s, wavDir), " C:\\Sounds\\ ");
}

}  // namespace
}  // namespace marvix
