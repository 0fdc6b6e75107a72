// marvix-render.exe as users and golden-frame tests run it.
#include <windows.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "../support/clock_fixture_win.h"
#include "../support/programs_win.h"
#include "../support/test_bitmaps.h"

namespace marvix {
namespace {

struct Frame24 {
    int width = 0, height = 0;
    std::vector<uint8_t> bytes;
    uint32_t At(int x, int y) const {  // bottom-up, blue first
        const size_t stride = (size_t(width) * 3 + 3) / 4 * 4;
        const uint8_t* p = bytes.data() + 54 + stride * size_t(height - 1 - y) + size_t(x) * 3;
        return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
    }
};

class RenderToolTest : public ClockFixture {
protected:
    static std::string Tool() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path);
        folder.resize(folder.find_last_of('\\'));
        return folder.substr(0, folder.find_last_of('\\')) + "\\marvix-render.exe";
    }
    static DWORD Run(const std::string& arguments) {
        return RunToEnd("\"" + Tool() + "\" " + arguments);
    }
    static Frame24 Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        Frame24 frame;
        frame.bytes.assign(std::istreambuf_iterator<char>(file), {});
        if (frame.bytes.size() < 54 || frame.bytes[28] != 24) return frame;
        frame.width = int(frame.bytes[18] | frame.bytes[19] << 8);
        frame.height = int(frame.bytes[22] | frame.bytes[23] << 8);
        return frame;
    }
    static std::string OutputPath(const char* name) { return WriteTempFile(name, {}); }
};

TEST_F(RenderToolTest, BadArgumentsGetTheUsageAndAFailingExit) {
    EXPECT_EQ(Run(""), 2u);
    EXPECT_EQ(Run("2026-12-07T10:15:30"), 2u);
    EXPECT_EQ(Run("2026-02-30T10:15:30 out.bmp"), 2u);
    EXPECT_EQ(Run("--bias x 2026-12-07T10:15:30 out.bmp"), 2u);
    EXPECT_EQ(Run("2026-12-07T10:15:30 out.bmp extra"), 2u);
}

TEST_F(RenderToolTest, RendersTheDefaultFaceWithoutTouchingTheRegistry) {
    const std::string out = OutputPath("marvix-render-default.bmp");
    ASSERT_EQ(Run("--bias -60 2026-12-07T10:15:30.250 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    ASSERT_EQ(frame.width, 200);
    ASSERT_EQ(frame.height, 200);
    // Pixels of the face clear of the hands at 10:15:30.
    EXPECT_EQ(frame.At(97, 103), 0x800000u);
    EXPECT_EQ(frame.At(1, 1), 0u);
    EXPECT_EQ(frame.At(150, 130), 0xFFFFFFu);
    EXPECT_EQ(Stored("FL"), "<missing>") << "the settings are read, never written";
}

TEST_F(RenderToolTest, MirroredFrameIsExactToTheLastColumn) {
    // Left half red, right half blue, one green column at the left edge.
    const std::vector<uint8_t> face =
        PaletteBitmap(60, 40, {0xFF0000, 0x0000FF, 0x00FF00}, [](int x, int) {
            return x == 0 ? 2 : x < 30 ? 0 : 1;
        });
    Store("BackPic", WriteTempFile("marvix-halves.bmp", face));
    for (const char* hand : {"DispH", "DispM", "DispS"}) Store(hand, "false");
    const std::string plain = OutputPath("marvix-render-plain.bmp");
    ASSERT_EQ(Run("2026-12-07T10:15:30 \"" + plain + "\""), 0u);
    Store("Reversed", "true");
    const std::string mirrored = OutputPath("marvix-render-mirrored.bmp");
    ASSERT_EQ(Run("2026-12-07T10:15:30 \"" + mirrored + "\""), 0u);

    const Frame24 a = Read(plain), b = Read(mirrored);
    ASSERT_EQ(a.width, 60);
    ASSERT_EQ(b.width, 60);
    for (int y = 0; y < 40; y += 13) {
        for (int x = 0; x < 60; ++x) ASSERT_EQ(b.At(x, y), a.At(59 - x, y)) << x << "," << y;
    }
    EXPECT_EQ(b.At(59, 0), 0x00FF00u);
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// Where a hand of length L at angle theta has three quarters of its length, and a point `aside`
// pixels off it at right angles, computed here from the geometry alone.
POINT AlongHand(double theta, int length, double aside = 0) {
    const double r = 0.75 * length;
    return {100 + LONG(std::lround(r * std::sin(theta) + aside * std::cos(theta))),
            100 - LONG(std::lround(r * std::cos(theta) - aside * std::sin(theta)))};
}

TEST_F(RenderToolTest, EachHandStandsWhereTheTimeSaysInItsColour) {
    const double pi = 3.14159265358979323846;
    struct Case {
        const char* show;
        double theta;
        int length;
        int width;
        uint32_t colour;
    };
    // 10:10:30 on a 200-pixel face: lengths 40, 66 and 78; default colours and widths.
    const Case hands[] = {
        {"DispH", 2 * pi * (10 + 10 / 60.0) / 12, 40, 3, 0x00F00F},
        {"DispM", 2 * pi * 10 / 60, 66, 3, 0x00FF00},
        {"DispS", 2 * pi * 30 / 60, 78, 1, 0x0000FF},
    };
    const std::string all = OutputPath("marvix-render-hands.bmp");
    ASSERT_EQ(Run("--bias 0 2026-12-07T10:10:30 \"" + all + "\""), 0u);
    const Frame24 frame = Read(all);
    ASSERT_EQ(frame.width, 200);
    for (const Case& hand : hands) {
        SCOPED_TRACE(hand.show);
        const POINT on = AlongHand(hand.theta, hand.length);
        EXPECT_EQ(frame.At(on.x, on.y), hand.colour);

        Store(hand.show, "false");
        const std::string without = OutputPath("marvix-render-without.bmp");
        ASSERT_EQ(Run("--bias 0 2026-12-07T10:10:30 \"" + without + "\""), 0u);
        Store(hand.show, "true");
        const Frame24 other = Read(without);
        EXPECT_NE(other.At(on.x, on.y), hand.colour);
        for (double side : {-1.0, 1.0}) {
            const POINT beside = AlongHand(hand.theta, hand.length, side * (hand.width / 2.0 + 2));
            EXPECT_EQ(frame.At(beside.x, beside.y), other.At(beside.x, beside.y))
                << "beside the hand at " << beside.x << "," << beside.y;
        }
    }
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

constexpr uint32_t kDisplayGreen = 0x00FF0F;  // the default background "$000FFF00"

bool HasBlackIn(const Frame24& frame, int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            if (frame.At(x, y) == 0) return true;
        }
    }
    return false;
}

TEST_F(RenderToolTest, DateAndDayBoxesStandAtTheirDefaultPlaces) {
    const std::string out = OutputPath("marvix-render-displays.bmp");
    ASSERT_EQ(Run("--bias 0 2026-12-07T10:10:30 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    ASSERT_EQ(frame.width, 200);
    EXPECT_EQ(frame.At(127, 111), kDisplayGreen) << "DATE";
    EXPECT_EQ(frame.At(57, 111), kDisplayGreen) << "DAY";
    EXPECT_EQ(frame.At(126, 111), 0xFFFFFFu) << "the face beside DATE";
    EXPECT_EQ(frame.At(127, 110), 0xFFFFFFu) << "the face above DATE";
    EXPECT_TRUE(HasBlackIn(frame, 127, 111, 12, 10)) << "black text in DATE";
    EXPECT_TRUE(HasBlackIn(frame, 57, 111, 12, 10)) << "black text in DAY";
}

TEST_F(RenderToolTest, ATransparentDisplayShowsTheFaceAroundItsGlyphs) {
    Store("TranDate", "true");
    const std::string out = OutputPath("marvix-render-transparent.bmp");
    ASSERT_EQ(Run("--bias 0 2026-12-07T10:10:30 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    EXPECT_EQ(frame.At(127, 111), 0xFFFFFFu);
    EXPECT_TRUE(HasBlackIn(frame, 127, 111, 12, 10));
    EXPECT_EQ(frame.At(57, 111), kDisplayGreen) << "DAY keeps its box";
}

TEST_F(RenderToolTest, MirroredBoxesAreMeasuredFromTheRightEdge) {
    Store("Reversed", "true");
    const std::string out = OutputPath("marvix-render-mirrored-displays.bmp");
    ASSERT_EQ(Run("--bias 0 2026-12-07T10:10:30 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    // DATE at X = 127 ends at 200 - 127 = 73, DAY at X = 57 ends at 143.
    EXPECT_EQ(frame.At(72, 111), kDisplayGreen);
    EXPECT_EQ(frame.At(73, 111), 0xFFFFFFu);
    EXPECT_EQ(frame.At(142, 111), kDisplayGreen);
    EXPECT_EQ(frame.At(143, 111), 0xFFFFFFu);
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

TEST_F(RenderToolTest, AtFullMoonTheMoonStandsStraightAboveTheHub) {
    Store("ShowMoon", "true");
    const std::string out = OutputPath("marvix-render-moon.bmp");
    // The full moon of 14 March 2025, 06:55 universal time.
    ASSERT_EQ(Run("--bias 0 2025-03-14T06:55:00 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    // A dial of 120 at (0, 0): hub at (60, 60), the moon of 47 on an orbit of 34 above it.
    EXPECT_EQ(frame.At(60, 26), 0xFFFF00u) << "yellow moon";
    EXPECT_EQ(frame.At(60, 55), 0xFFFFFFu) << "white hub";
    EXPECT_EQ(frame.At(25, 30), 0x000080u) << "navy sky";
}

TEST_F(RenderToolTest, HalvedMoonDialLeavesTheFaceBelowItsHorizon) {
    const std::string plain = OutputPath("marvix-render-no-moon.bmp");
    ASSERT_EQ(Run("--bias 0 2025-03-14T06:55:00 \"" + plain + "\""), 0u);
    Store("ShowMoon", "true");
    Store("MoonHalf", "true");
    const std::string halved = OutputPath("marvix-render-half-moon.bmp");
    ASSERT_EQ(Run("--bias 0 2025-03-14T06:55:00 \"" + halved + "\""), 0u);
    const Frame24 a = Read(plain), b = Read(halved);
    EXPECT_EQ(b.At(60, 26), 0xFFFF00u);
    for (int y = 61; y < 120; y += 7) EXPECT_EQ(b.At(60, y), a.At(60, y)) << y;
}

TEST_F(RenderToolTest, AtNoonTheSunStandsAtTheTopOfADaySky) {
    Store("ShowDay", "true");
    const std::string out = OutputPath("marvix-render-day.bmp");
    ASSERT_EQ(Run("--bias 0 2026-06-21T12:00:00 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    // A dial of 120 at (0, 0): the sun of 24 centred at (60, 13), the lens from y 34.
    EXPECT_EQ(frame.At(60, 13), 0xFFFF00u) << "yellow sun";
    EXPECT_EQ(frame.At(60, 30), 0x00FFFFu) << "the sky is the day colour, aqua";
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

TEST_F(RenderToolTest, RendersAConfigurationFilesLookOnTopOfTheStoredSettings) {
    // Every line as a saved file of the default look has it, then the hour hand red and the
    // day/night dial shown.
    const std::string plain = OutputPath("marvix-render-before-config.bmp");
    ASSERT_EQ(Run("--bias 0 2026-06-21T15:00:30 \"" + plain + "\""), 0u);

    std::string config;
    {
        std::ifstream seed(std::string(PROJECT_SOURCE_DIR) + "/tests/fuzz/corpus/default.ccf",
                           std::ios::binary);
        config.assign(std::istreambuf_iterator<char>(seed), {});
    }
    ASSERT_FALSE(config.empty());
    std::vector<std::string> lines;
    for (size_t start = 0; start < config.size();) {
        const size_t end = config.find("\r\n", start);
        lines.push_back(config.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 336u);
    lines[111] = "clRed";  // CHourStr
    lines[248] = "true";   // ShowDay
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const std::string file =
        WriteTempFile("marvix-render.ccf", std::vector<uint8_t>(text.begin(), text.end()));

    const std::string out = OutputPath("marvix-render-config.bmp");
    ASSERT_EQ(Run("--bias 0 --config \"" + file + "\" 2026-06-21T15:00:30 \"" + out + "\""), 0u);
    const Frame24 frame = Read(out);
    ASSERT_EQ(frame.width, 200);
    // At three o'clock the hour hand, 40 long, points right; the sun stands 45 degrees right of
    // the top of the dial, its centre at (93, 27).
    EXPECT_EQ(frame.At(130, 100), 0xFF0000u) << "the hour hand, red";
    EXPECT_EQ(frame.At(93, 27), 0xFFFF00u) << "the sun of the day/night dial";
    EXPECT_NE(Read(plain).At(130, 100), 0xFF0000u);
    EXPECT_NE(Read(plain).At(93, 27), 0xFFFF00u);
    EXPECT_EQ(Stored("ShowDay"), "<missing>") << "nothing is written";

    EXPECT_EQ(Run("--config \"C:\\\\no\\\\such.ccf\" 2026-06-21T15:00:30 \"" + out + "\""), 1u);
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// At 10:00 a timer with 15 minutes left covers the quarter turn after the minute hand, and
// nothing else, with its colour blended over the face.
TEST_F(RenderToolTest, ATimersSectorCoversTheQuarterTurnAfterTheMinuteHand) {
    const std::string with = OutputPath("marvix-render-timer.bmp");
    const std::string without = OutputPath("marvix-render-no-timer.bmp");
    ASSERT_EQ(Run("--bias 0 --timer 15:00 2026-12-07T10:00:00 \"" + with + "\""), 0u);
    ASSERT_EQ(Run("--bias 0 2026-12-07T10:00:00 \"" + without + "\""), 0u);
    const Frame24 timer = Read(with), plain = Read(without);
    ASSERT_EQ(timer.width, 200);
    for (int degrees = 15; degrees < 360; degrees += 30) {
        const double theta = degrees * 3.14159265358979323846 / 180;
        const int x = 100 + int(std::lround(45 * std::sin(theta)));
        const int y = 100 - int(std::lround(45 * std::cos(theta)));
        EXPECT_EQ(timer.At(x, y) != plain.At(x, y), degrees < 90) << degrees << " degrees";
    }
}

}  // namespace
}  // namespace marvix
