// A see-through clock on a display with a compositing manager, as Windows always has one: at half
// opacity, what the clock draws blends with the window below; at full opacity it is a plain
// window, every pixel its own; with its outline blended (SmoothOutline 1), its edge blends too.
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
    const ScopedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    WNDCLASSA paper{};
    paper.lpfnWndProc = DefWindowProcA;
    paper.hInstance = GetModuleHandleA(nullptr);
    paper.lpszClassName = "MarvixTestRed";
    paper.hbrBackground = red.Get();
    RegisterClassA(&paper);
    HWND below =
        CreateWindowExA(0, paper.lpszClassName, "", WS_POPUP | WS_VISIBLE, clock.left - 20,
                        clock.top - 20, 240, 240, nullptr, nullptr, paper.hInstance, nullptr);
    Start();
    ASSERT_EQ(WindowRect(ClockHwnd()).left, clock.left);
    ASSERT_EQ(WindowRect(ClockHwnd()).top, clock.top);
    Wait(1000);  // the compositor paints in its own time

    // Twelve o'clock on the face, clear of the hands at 10:15:30.
    const int x = 100, y = 40;
    const COLORREF drawn = AsColorRef(Clock().Face().Pictures().display.PixelAt(x, y));
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

    Clock().Parts().model.Edit().Opacity = 100;
    Clock().Parts().place.ApplyOverlay();
    Wait(1000);
    EXPECT_EQ(GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0) << "not layered";
    EXPECT_EQ(ScreenPixel(clock.left + x, clock.top + y),
              AsColorRef(Clock().Face().Pictures().display.PixelAt(x, y)))
        << "every pixel the clock's own";

    // Its edge blended into the red: a pixel the circle partly covers is a mix of the face there
    // (taken from just inside) and the red, by the coverage; a corner is the red window's, and a
    // click on it reaches that window.
    Clock().Parts().model.Edit().SmoothOutline = 1;
    Clock().Parts().place.Reshape();
    Wait(1000);
    const int ex = 28, ey = 30;  // a pixel the circle crosses
    const double a =
        RoundedRectCoverage({200, 200}, {0, 0, 200, 200}, {200, 200})[size_t(ey * 200 + ex)] /
        255.0;
    ASSERT_TRUE(a > 0.1 && a < 0.95) << a;
    const COLORREF face = AsColorRef(Clock().Face().Pictures().display.PixelAt(ex + 1, ey + 1));
    const COLORREF edge = ScreenPixel(clock.left + ex, clock.top + ey);
    // The ring's marbling varies from pixel to pixel: within a few steps of the blend.
    EXPECT_NEAR(GetRValue(edge), GetRValue(face) * a + 255 * (1 - a), 24);
    EXPECT_NEAR(GetGValue(edge), GetGValue(face) * a, 24);
    EXPECT_GT(GetRValue(edge), GetRValue(face) + 40) << "the red below shows through";
    EXPECT_EQ(ScreenPixel(clock.left + 3, clock.top + 3), RGB(255, 0, 0));
    EXPECT_EQ(WindowFromPoint({clock.left + 3, clock.top + 3}), below) << "a click on a corner";
    DestroyWindow(below);
    UnregisterClassA(paper.lpszClassName, paper.hInstance);
}

}  // namespace
}  // namespace marvix
