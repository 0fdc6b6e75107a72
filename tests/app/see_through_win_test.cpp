// A see-through clock on a display with a compositing manager, as Windows always has one: at half
// opacity, what the clock draws blends with the window below; at full opacity it is a plain
// window, every pixel its own.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "../support/clock_fixture_win.h"
#include "base/bitmap_file.h"
#include "base/scoped_handles_win.h"
#include "base/smooth_shapes.h"

namespace marvix {
namespace {

class SeeThroughTest : public ClockFixture {
protected:
    void TearDown() override {
        if (below_) DestroyWindow(below_);
        UnregisterClassA("MarvixTestRed", GetModuleHandleA(nullptr));
        ClockFixture::TearDown();
    }
    // A red window where the clock will stand, made first so that the clock comes up over it.
    void RedWindowUnder(const RECT& clock) {
        WNDCLASSA paper{};
        paper.lpfnWndProc = DefWindowProcA;
        paper.hInstance = GetModuleHandleA(nullptr);
        paper.lpszClassName = "MarvixTestRed";
        // The class owns its brush: UnregisterClass deletes it.
        paper.hbrBackground = CreateSolidBrush(RGB(255, 0, 0));
        RegisterClassA(&paper);
        below_ =
            CreateWindowExA(0, paper.lpszClassName, "", WS_POPUP | WS_VISIBLE, clock.left - 20,
                            clock.top - 20, 240, 240, nullptr, nullptr, paper.hInstance, nullptr);
    }
    HWND below_ = nullptr;
    // A surface's pixel (0x00RRGGBB) as the screen gives one.
    static COLORREF AsColorRef(uint32_t rgb) {
        return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    static COLORREF ScreenPixel(int x, int y) {
        const BorrowedDc screen(nullptr);
        return GetPixel(screen.Get(), x, y);
    }
    // The screen under the clock as a picture, for the README (MARVIX_SEE_THROUGH_PICTURE).
    static void Keep(const RECT& r, const char* path) {
        Picture picture{r.right - r.left, r.bottom - r.top, {}};
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF c = ScreenPixel(x, y);
                picture.pixels.push_back(uint32_t(GetRValue(c)) << 16 | GetGValue(c) << 8 |
                                         GetBValue(c));
            }
        }
        const std::vector<uint8_t> bytes = EncodeBitmapFile24(picture);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
};

TEST_F(SeeThroughTest, HalfOpacityBlendsTheClockWithTheWindowBelowAndFullIsAPlainWindow) {
    Win32Registry(kProgramKeyPath).WriteValue("Opacity", "50");
    // The red window first, where the clock will stand, so that the clock comes up over it.
    const RECT clock{194, 105, 394, 305};
    RedWindowUnder(clock);
    Start();
    ASSERT_EQ(WindowRect(ClockHwnd()).left, clock.left);
    ASSERT_EQ(WindowRect(ClockHwnd()).top, clock.top);
    Wait(1000);  // the compositor paints in its own time

    // Twelve o'clock on the face, clear of the hands at 10:15:30.
    const int x = 100, y = 40;
    const COLORREF drawn = AsColorRef(Clock().Pictures().display.PixelAt(x, y));
    const COLORREF shown = ScreenPixel(clock.left + x, clock.top + y);
    const int alpha = 128;  // 50 per cent
    const auto blend = [&](int face, int under) {
        return (face * alpha + under * (255 - alpha)) / 255;
    };
    EXPECT_NEAR(GetRValue(shown), blend(GetRValue(drawn), 255), 8);
    EXPECT_NEAR(GetGValue(shown), blend(GetGValue(drawn), 0), 8);
    EXPECT_NEAR(GetBValue(shown), blend(GetBValue(drawn), 0), 8);
    if (const char* picture = std::getenv("MARVIX_SEE_THROUGH_PICTURE")) {
        Keep({clock.left - 20, clock.top - 20, clock.right + 20, clock.bottom + 20}, picture);
    }

    Clock().ChangeSettings().Opacity = 100;
    Clock().ApplyOverlay();
    Wait(1000);
    EXPECT_EQ(GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0) << "not layered";
    EXPECT_EQ(ScreenPixel(clock.left + x, clock.top + y),
              AsColorRef(Clock().Pictures().display.PixelAt(x, y)))
        << "every pixel the clock's own";
}

// Layered, the round clock's edge is blended into what lies behind it: a pixel outside the circle
// is the red window's, one on its edge a mix of the face and the red by how much the circle
// covers it, and a click on a corner reaches the red window.
TEST_F(SeeThroughTest, ALayeredOutlineBlendsTheEdgeIntoTheWindowBelow) {
    Win32Registry(kProgramKeyPath).WriteValue("SmoothOutline", "1");
    const RECT clock{194, 105, 394, 305};
    RedWindowUnder(clock);
    Start();
    HWND edge = FindWindowA("MarvixOutline", nullptr);
    ASSERT_TRUE(edge && IsWindowVisible(edge));
    Wait(1000);
    EXPECT_EQ(ScreenPixel(clock.left + 3, clock.top + 3), RGB(255, 0, 0)) << "outside the circle";
    // On the circle, a pixel it half covers: the face's colour there (taken from further in) half
    // over the red.
    const std::vector<uint8_t> cover =
        RoundedRectCoverage({200, 200}, {0, 0, 200, 200}, {200, 200});
    int x = 0, y = 20;
    for (; y < 40 && x == 0; ++y) {
        for (int at = 1; at < 100 && x == 0; ++at)
            if (cover[size_t(y * 200 + at)] >= 64 && cover[size_t(y * 200 + at)] <= 192) x = at;
    }
    --y;
    ASSERT_NE(x, 0);
    const double a = cover[size_t(y * 200 + x)] / 255.0;
    const COLORREF face = AsColorRef(Clock().Pictures().display.PixelAt(x + 1, y + 1));
    const COLORREF shown = ScreenPixel(clock.left + x, clock.top + y);
    // The ring's marbling varies from pixel to pixel: within a few steps of the blend.
    EXPECT_NEAR(GetRValue(shown), GetRValue(face) * a + 255 * (1 - a), 24);
    EXPECT_NEAR(GetGValue(shown), GetGValue(face) * a, 24);
    EXPECT_NEAR(GetBValue(shown), GetBValue(face) * a, 24);
    EXPECT_GT(GetRValue(shown), GetRValue(face) + 40) << "the red below shows through";
    EXPECT_EQ(WindowFromPoint({clock.left + 3, clock.top + 3}), below_) << "a click on a corner";
    EXPECT_EQ(WindowFromPoint({clock.left + 100, clock.top + 100}), ClockHwnd());

    Clock().ChangeSettings().SmoothEdges = false;
    Clock().Reshape();
    EXPECT_FALSE(IsWindowVisible(edge)) << "without smooth edges, cut by its region as ever";
}

}  // namespace
}  // namespace marvix
