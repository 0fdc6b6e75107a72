#include "digital/display_pass.h"

#include <gtest/gtest.h>

#include "../support/recording_frame.h"
#include "digital/digital_displays.h"

namespace marvix {
namespace {

TEST(DisplayPlacement, AutomaticPositionsOnATwoHundredPixelFace) {
    ClockSettings s = DefaultSettings();
    s.PDate = s.PDay = true;
    const DisplayPlaces places = PlacedDisplays(s, {200, 200});
    EXPECT_EQ(places[size_t(Display::Date)], (Point{167, 96}));
    EXPECT_EQ(places[size_t(Display::Day)], (Point{167, 107}));
}

TEST(DisplayPlacement, OthersAreHeldToTheFaceAndTheLastThreeNeverMove) {
    ClockSettings s = DefaultSettings();
    s.PX = 500;
    s.PMnY = 900;
    s.PHrX = -40;
    s.PAMPMX = 500;
    s.PAMPM = true;
    s.PIntern2Y = 999;
    const DisplayPlaces places = PlacedDisplays(s, {200, 200});
    EXPECT_EQ(places[size_t(Display::Date)].x, 200);
    EXPECT_EQ(places[size_t(Display::Month)].y, 200);
    EXPECT_EQ(places[size_t(Display::Hour)].x, -40) << "no lower bound";
}

class DisplayPassTest : public ::testing::Test {
protected:
    std::vector<std::string> Draw() {
        frame.log.clear();
        FrameSurfaces f = frame.Surfaces();
        DrawDigitalDisplays(s, DisplayLook{}, PlacedDisplays(s, f.display.GetSize()), f,
                            clock.Instant());
        return frame.log;
    }

    RecordingFrame frame;
    ClockSettings s = DefaultSettings();
    FixedClock clock;
};

// The recording surface measures 6 pixels a character and 13 a line.
TEST_F(DisplayPassTest, DayThenDateEachFilledWrittenAndCopiedToItsPlace) {
    EXPECT_EQ(Draw(),
              (std::vector<std::string>{
                  "digit0: resize 18x13", "digit0: fill 0,0 18x13", "digit0: text 0,0 \"Mon\"",
                  "display: copy 0,0 18x13 from digit0 to 57,111", "digit1: resize 18x13",
                  "digit1: fill 0,0 18x13", "digit1: text 0,0 \" 7 \"",
                  "display: copy 0,0 18x13 from digit1 to 127,111"}));
}

TEST_F(DisplayPassTest, TransparentTakesTheFaceUnderTheBox) {
    s.SDay = false;
    s.TranDate = true;
    EXPECT_EQ(Draw(),
              (std::vector<std::string>{
                  "digit1: resize 18x13", "digit1: copy 127,111 18x13 from face to 0,0",
                  "digit1: text 0,0 \" 7 \"", "display: copy 0,0 18x13 from digit1 to 127,111"}));
}

TEST_F(DisplayPassTest, MirroredBoxesLandFromTheRightEdgeAndReadMirrored) {
    s.SDay = false;
    s.Reversed = true;
    s.PX = 10;
    EXPECT_EQ(Draw().back(), "display: stretch 17,0 -18x13 from digit1 to 172,111 18x13");
    s.SHour = true;  // " 1"... 12 px wide at x = 10 lands at 200 - 10 - 12
    s.SDate = false;
    s.PHrX = 10;
    EXPECT_EQ(Draw().back(), "display: stretch 11,0 -12x13 from digit4 to 178,61 12x13");
}

TEST_F(DisplayPassTest, InAProportionalFontALeadingSpaceKeepsADigitsWidth) {
    s.SDay = false;
    s.SHour = true;  // " 1" at 13:15, then " 7 " for the date
    clock.time.hour = 13;
    for (RecordingSurface& digit : frame.digits) digit.spaceWidth = 2;
    const std::vector<std::string> log = Draw();
    EXPECT_EQ(std::vector<std::string>(log.begin() + 4, log.end()),
              (std::vector<std::string>{"digit4: resize 12x13", "digit4: fill 0,0 12x13",
                                        "digit4: text 6,0 \"1\"",
                                        "display: copy 0,0 12x13 from digit4 to 57,61"}));
    EXPECT_EQ(log[2], "digit1: text 6,0 \"7 \"") << "the date's trailing space stays as it is";
}

TEST_F(DisplayPassTest, AmPmStandsWhereItsSettingsSayEvenWithAutomaticPlacement) {
    s.SDay = s.SDate = false;
    s.SAMPM = s.PAMPM = true;
    s.PAMPMX = 500;
    s.PAMPMY = 20;
    const std::string last = Draw().back();
    EXPECT_NE(last.find("to 500,20"), std::string::npos) << last;
}

TEST_F(DisplayPassTest, AnEmptyTextDrawsNothing) {
    s.SDate = false;
    for (auto name :
         {&ClockSettings::DayNames8, &ClockSettings::DayNames9, &ClockSettings::DayNames10,
          &ClockSettings::DayNames11, &ClockSettings::DayNames12, &ClockSettings::DayNames13,
          &ClockSettings::DayNames14}) {
        s.*name = "";
    }
    EXPECT_TRUE(Draw().empty());
}

TEST_F(DisplayPassTest, AllTwelveInOrderWhenShown) {
    for (const DisplaySpec& spec : kDisplays) s.*spec.show = true;
    std::vector<std::string> copies;
    for (const std::string& entry : Draw()) {
        if (entry.rfind("display: copy", 0) == 0)
            copies.push_back(entry.substr(entry.find("digit")));
    }
    ASSERT_EQ(copies.size(), 12u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(copies[i].substr(0, copies[i].find(' ')), "digit" + std::to_string(i));
}

}  // namespace
}  // namespace marvix
