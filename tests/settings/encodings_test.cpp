#include "settings/encodings.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

TEST(IntegerText, ParsesDecimalHexAndLeadingSpaces) {
    struct Case {
        const char* text;
        int32_t value;
    };
    const Case cases[] = {
        {"194", 194},
        {"0", 0},
        {"  -12", -12},
        {"+7", 7},
        {"007", 7},
        {"$ff", 255},
        {"$FF", 255},
        {"$000FF000", 0x000FF000},
        {"$80000005", static_cast<int32_t>(0x80000005u)},
        {"$FFFFFFFF", -1},
        {"$000000001", 1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(ParseInteger(c.text).has_value());
        EXPECT_EQ(*ParseInteger(c.text), c.value);
    }
}

TEST(IntegerText, RejectsEverythingElse) {
    for (const char* text : {"", " ", "12a", "12 ", "1 2", "-", "+", "$", "$g", "-$10", "$-1",
                             "0x10", "\t5", "2147483648", "-2147483649", "$100000000", "1e3"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
    }
}

TEST(IntegerText, ErrorMessageQuotesTheText) {
    EXPECT_EQ(NotAnIntegerMessage("12a"), "'12a' is not a valid integer value");
    EXPECT_EQ(NotAnIntegerMessage(""), "'' is not a valid integer value");
}

TEST(IntegerText, WritesPlainDecimal) {
    EXPECT_EQ(IntegerText(194), "194");
    EXPECT_EQ(IntegerText(-5), "-5");
    EXPECT_EQ(IntegerText(INT32_MIN), "-2147483648");
}

TEST(BooleanText, OnlyExactlyTrueIsTrue) {
    EXPECT_TRUE(ParseBoolean("true"));
    for (const char* text : {"TRUE", "True", "1", "yes", "", " true", "true "}) {
        EXPECT_FALSE(ParseBoolean(text)) << text;
    }
    EXPECT_EQ(BooleanText(true), "true");
    EXPECT_EQ(BooleanText(false), "false");
}

TEST(ColourText, NameTableHasFortyTwoDistinctNamesInSearchOrder) {
    EXPECT_EQ(kColourNames.front().name, "clBlack");
    EXPECT_EQ(kColourNames[15].name, "clWhite");
    EXPECT_EQ(kColourNames[16].name, "clScrollBar");
    EXPECT_EQ(kColourNames[40].name, "clInfoBk");
    EXPECT_EQ(kColourNames.back().name, "clNone");
    for (size_t i = 0; i < kColourNames.size(); ++i) {
        for (size_t j = i + 1; j < kColourNames.size(); ++j) {
            EXPECT_NE(kColourNames[i].name, kColourNames[j].name);
        }
    }
}

TEST(ColourText, ReadsNamesInAnyCaseAndIntegerTexts) {
    EXPECT_EQ(ParseColour("clWhite"), Colour{0x00FFFFFF});
    EXPECT_EQ(ParseColour("clwhite"), Colour{0x00FFFFFF});
    EXPECT_EQ(ParseColour("CLBTNFACE"), Colour{0x8000000F});
    EXPECT_EQ(ParseColour("255"), Colour::Rgb(255, 0, 0));
    EXPECT_EQ(ParseColour("$000FFF00"), Colour::Rgb(0, 0xFF, 0x0F));
    EXPECT_EQ(ParseColour("clNone"), kNoColour);
    EXPECT_FALSE(ParseColour("clBlu").has_value());
    EXPECT_FALSE(ParseColour("").has_value());
    EXPECT_FALSE(ParseColour("red").has_value());
}

TEST(ColourText, GeneratedTextPrefersTheFirstMatchingName) {
    EXPECT_EQ(ColourText(Colour{0x00FF0000}), "clBlue");
    EXPECT_EQ(ColourText(Colour::Rgb(0, 255, 0)), "clLime");
    EXPECT_EQ(ColourText(Colour{0x000000FF}), "clRed");
    EXPECT_EQ(ColourText(Colour{0x8000000F}), "clBtnFace");
    EXPECT_EQ(ColourText(kNoColour), "clNone");
    EXPECT_EQ(ColourText(Colour{0x000FF000}), "$000FF000");
    EXPECT_EQ(ColourText(Colour{0x00abcdef}), "$00ABCDEF");
    EXPECT_EQ(ColourText(Colour{0x80000019}), "$80000019");
}

TEST(ColourText, EveryNameRoundTrips) {
    for (const ColourName& entry : kColourNames) {
        EXPECT_EQ(ColourText(*ParseColour(entry.name)), entry.name);
    }
}

TEST(FontStyleLetters, SevenSetsHaveLettersAndTheRestAreRegular) {
    const FontStyle bold{FontStyle::kBold}, italic{FontStyle::kItalic};
    EXPECT_EQ(FontStyleLetters(bold), "b");
    EXPECT_EQ(FontStyleLetters(FontStyle{FontStyle::kBold | FontStyle::kItalic}), "bi");
    EXPECT_EQ(FontStyleLetters(FontStyle{FontStyle::kBold | FontStyle::kStrikeOut}), "bs");
    EXPECT_EQ(FontStyleLetters(italic), "i");
    EXPECT_EQ(FontStyleLetters(FontStyle{}), "");
    EXPECT_EQ(FontStyleLetters(FontStyle{FontStyle::kItalic | FontStyle::kUnderline}), "");
    EXPECT_EQ(FontStyleLetters(FontStyle{FontStyle::kUnderline | FontStyle::kStrikeOut}), "");
    EXPECT_EQ(
        FontStyleLetters(FontStyle{FontStyle::kBold | FontStyle::kItalic | FontStyle::kUnderline}),
        "");

    for (const char* letters : {"b", "i", "u", "s", "bi", "bu", "bs"}) {
        EXPECT_EQ(FontStyleLetters(ParseFontStyle(letters)), letters);
    }
    EXPECT_EQ(ParseFontStyle("ib"), FontStyle{});
    EXPECT_EQ(ParseFontStyle("B"), FontStyle{});
    EXPECT_EQ(ParseFontStyle(""), FontStyle{});
    EXPECT_EQ(ParseFontStyle("bold"), FontStyle{});
}

}  // namespace
}  // namespace marvix
