#include "settings/config_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "digital/display_fonts.h"
#include "settings/settings_table.h"

namespace marvix {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The file a running clock saves: its display fonts made from these settings.
std::string Saved(const ClockSettings& s, const LegacyTriples& triples = {}) {
    DisplayFonts fonts{};
    ApplyDisplayFonts(s, fonts);
    return SaveConfigText(s, fonts, triples);
}

TEST(ConfigFile, HasThreeHundredThirtySixLinesEndingCrLfAndLineSixtyFiveEmpty) {
    const std::string text = Saved(DefaultSettings());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), kConfigLineCount);
    EXPECT_EQ(lines[64], "");
    EXPECT_EQ(lines[9], "194");          // FL
    EXPECT_EQ(lines[44], "");            // BackPic
    EXPECT_EQ(lines[91], "1");           // FacePos
    EXPECT_EQ(lines[111], "$000FF000");  // CHourStr
    EXPECT_EQ(lines[335], "$000FFF00");  // ColorIntern2Str
    for (int line : {1, 2, 3, 4, 5, 6, 7, 8, 9, 42, 43, 44, 98, 99, 100}) {
        EXPECT_EQ(lines[size_t(line - 1)], "0") << "legacy line " << line;
    }
}

// Every setting but Tray and Still, each given a value of its own that is not its default.
ClockSettings EverythingChanged() {
    ClockSettings s = DefaultSettings();
    int n = 0;
    for (const SettingDef& def : AllSettings()) {
        ++n;
        if (def.name == "Tray" || def.name == "Still") continue;
        std::string text;
        switch (def.kind) {
            case SettingKind::Integer:
            case SettingKind::Geometry: text = std::to_string(1000 + n); break;
            case SettingKind::Boolean: text = def.defaultText == "true" ? "false" : "true"; break;
            case SettingKind::ColourText:
                text = ColourText(Colour{uint32_t(0x00010203 * n)});
                break;
            case SettingKind::StyleLetters: text = n % 2 ? "bi" : "s"; break;
            case SettingKind::String: text = "text " + std::string(def.name); break;
        }
        EXPECT_TRUE(AssignSettingText(s, def, text)) << def.name;
    }
    return s;
}
const LegacyTriples kFiveTriples = {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}}};

TEST(ConfigFile, SaveThenLoadCarriesEverySettingButTrayAndStill) {
    const ClockSettings saved = EverythingChanged();
    ClockSettings current = DefaultSettings();
    current.Tray = true;
    current.Still = false;
    const ConfigLoad loaded = LoadConfigText(Saved(saved, kFiveTriples), current);
    ASSERT_TRUE(loaded.settings) << loaded.error;
    int carried = 0;
    for (const SettingDef& def : AllSettings()) {
        if (def.name == "Tray" || def.name == "Still") continue;
        ++carried;
        EXPECT_EQ(SettingText(*loaded.settings, def), SettingText(saved, def)) << def.name;
    }
    EXPECT_EQ(carried, 320);
    EXPECT_TRUE(loaded.settings->Tray);
    EXPECT_FALSE(loaded.settings->Still);
    EXPECT_EQ(loaded.triples[4].blue, 15);
}

TEST(ConfigFile, SaveNames) {
    EXPECT_EQ(ConfigSaveName("clock"), "clock.ccf");
    EXPECT_EQ(ConfigSaveName("clock.ccf"), "clock.ccf");
    EXPECT_EQ(ConfigSaveName("clock.CCF"), "clock.CCF.ccf");
    EXPECT_EQ(ConfigSaveName("a.ccf"), "a.ccf");
    EXPECT_EQ(ConfigSaveName(".ccf"), std::nullopt);
    EXPECT_EQ(ConfigSaveName("mine"), "mine.ccf");  // four letters were refused
    EXPECT_EQ(ConfigSaveName("x"), "x.ccf");
    EXPECT_EQ(ConfigSaveName(""), std::nullopt);
}

class ShortFileTest : public ::testing::Test {
protected:
    // A file of old that ends after line 97, with five distinct legacy triples.
    std::vector<std::string> lines = Lines(Saved(DefaultSettings()));
    ShortFileTest() {
        lines.resize(97);
        const char* triples[9] = {"255", "0",  "16", "1", "2",
                                  "3",   "10", "20", "30"};  // A B C: r r r g g g b b b
        for (int i = 0; i < 9; ++i) lines[size_t(i)] = triples[i];
        lines[41] = "100";
        lines[42] = "150";
        lines[43] = "200";  // D
    }
};

TEST_F(ShortFileTest, ColoursFallBackToTheLegacyTriples) {
    const ConfigLoad loaded = LoadConfigText(Join(lines), DefaultSettings());
    ASSERT_TRUE(loaded.settings) << loaded.error;
    const ClockSettings& s = *loaded.settings;
    EXPECT_EQ(s.CHourStr.text, "$000A01FF");  // A: red 255, green 1, blue 10
    EXPECT_EQ(s.CMinStr.text, "$00140200");
    EXPECT_EQ(s.CSecStr.text, "$001E0310");
    for (const ColourSetting* c :
         {&s.CDateStr, &s.CDayStr, &s.CMonthStr, &s.CInternet1Str, &s.CInternet2Str}) {
        EXPECT_EQ(c->text, "$001E0310");
    }
    EXPECT_EQ(s.ColorDateStr.text, "$00C89664");  // D
    // Triple E falls back to D, and every other display background to E.
    EXPECT_EQ(loaded.triples[4].red, 100);
    for (const ColourSetting* c :
         {&s.ColorDayStr, &s.ColorMonthStr, &s.ColorSecStr, &s.ColorIntern2Str}) {
        EXPECT_EQ(c->text, "$00C89664");
    }
    EXPECT_EQ(s.CHourStr.value, Colour::Rgb(255, 1, 10));
    EXPECT_EQ(s.PhaseBackColorStr.text, "clNavy");
    EXPECT_EQ(s.HandZ7, "Int1");
    EXPECT_EQ(s.MonthNames24, "Dec");
    EXPECT_EQ(s.TranWidth, 100);
    EXPECT_EQ(s.PMnX, 1) << "missing display positions are 1";
    EXPECT_TRUE(s.HandE2);
    EXPECT_FALSE(s.HandInternet1);
}

TEST_F(ShortFileTest, ABadFontSizeIsEightAndTheOtherFontsTakeFontOne) {
    lines[60] = "Courier New";
    lines[61] = "big";
    const ConfigLoad loaded = LoadConfigText(Join(lines), DefaultSettings());
    ASSERT_TRUE(loaded.settings) << loaded.error;
    for (const FontSlotFields& slot : kFontSlots) {
        EXPECT_EQ((*loaded.settings).*slot.size, 8);
        EXPECT_EQ((*loaded.settings).*slot.face, "Courier New");
    }
    lines[61] = "11";
    const ConfigLoad eleven = LoadConfigText(Join(lines), DefaultSettings());
    EXPECT_EQ(eleven.settings->FSize12, 11);
}

TEST(ConfigFile, ABadMustParseLineChangesNothing) {
    std::vector<std::string> lines = Lines(Saved(DefaultSettings()));
    lines[10] = "300";  // FT, read before the bad line
    lines[9] = "";      // FL
    ClockSettings current = DefaultSettings();
    const ConfigLoad loaded = LoadConfigText(Join(lines), current);
    EXPECT_FALSE(loaded.settings);
    EXPECT_EQ(loaded.error, "'' is not a valid integer value");

    lines[9] = "194";
    lines[91] = "";  // FacePos: empty is 1
    EXPECT_EQ(LoadConfigText(Join(lines), current).settings->FacePos, 1);
    lines[91] = "top";
    EXPECT_EQ(LoadConfigText(Join(lines), current).error, "'top' is not a valid integer value");
}

TEST(ConfigFile, ABadColourFailsTheLoad) {
    std::vector<std::string> lines = Lines(Saved(DefaultSettings()));
    lines[111] = "bluish";
    EXPECT_EQ(LoadConfigText(Join(lines), DefaultSettings()).error,
              "'bluish' is not a valid integer value");
    lines[111] = "";
    lines[63] = "";  // an empty CFont1 is no colour
    EXPECT_EQ(LoadConfigText(Join(lines), DefaultSettings()).error,
              "'' is not a valid integer value");
}

TEST(ConfigFile, LineTwoHundredTwentyCarriesColonTwoBlinkOnItsOwn) {
    ClockSettings s = DefaultSettings();
    s.C2Blink = true;
    const std::vector<std::string> lines = Lines(Saved(s));
    EXPECT_EQ(lines[218], "false");
    EXPECT_EQ(lines[219], "true");
    const ConfigLoad loaded = LoadConfigText(Join(lines), DefaultSettings());
    EXPECT_FALSE(loaded.settings->C1Blink);
    EXPECT_TRUE(loaded.settings->C2Blink);
}

TEST(ConfigFile, ItalicUnderlineHasNoLettersAndComesBackRegular) {
    ClockSettings s = DefaultSettings();
    s.FStyle3 = FontStyle{FontStyle::kItalic | FontStyle::kUnderline};
    const std::string text = Saved(s);
    EXPECT_EQ(Lines(text)[148], "");
    EXPECT_EQ(LoadConfigText(text, DefaultSettings()).settings->FStyle3, FontStyle{});
}

// Only an edited registry can put a line break into a text; it must not shift every later line.
TEST(ConfigFile, ALineBreakInATextIsSavedAsASpace) {
    ClockSettings s = DefaultSettings();
    s.BackPic = "C:\\faces\r\nround.bmp";
    const std::vector<std::string> lines = Lines(Saved(s));
    ASSERT_EQ(lines.size(), kConfigLineCount);
    EXPECT_EQ(lines[44], "C:\\faces  round.bmp");
}

TEST(ConfigFile, FontLinesComeFromTheDisplayFonts) {
    ClockSettings s = DefaultSettings();
    s.DFont1 = std::string(40, 'x');
    s.CFont2 = ColourSetting{"255", Colour::Rgb(255, 0, 0)};
    const std::vector<std::string> lines = Lines(Saved(s));
    EXPECT_EQ(lines[60], std::string(31, 'x')) << "the name as the font holds it";
    EXPECT_EQ(lines[103], "clRed") << "regenerated from the font's colour";
}

}  // namespace
}  // namespace marvix
