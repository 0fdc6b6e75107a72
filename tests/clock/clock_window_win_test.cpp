// The clock window's life under Wine: start-up with its settings, the face and its shape, the
// stacking, the tick and its timers, dragging, and the exit.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "../support/clock_fixture_win.h"
#include "../support/test_bitmaps.h"
#include "base/bitmap_file.h"
#include "clock/control_menu_win.h"

namespace marvix {
namespace {

using ClockWindowTest = ClockFixture;

// Which of these window points the window's region lets through, as a string of 0 and 1.
std::string RegionSamples(HWND hwnd, std::initializer_list<POINT> points) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::string samples;
    if (GetWindowRgn(hwnd, region) == ERROR) {
        samples = "none";
    } else {
        for (POINT p : points) samples += PtInRegion(region, p.x, p.y) ? '1' : '0';
    }
    DeleteObject(region);
    return samples;
}

TEST_F(ClockWindowTest, ANewInstallationShowsTheRoundBuiltInFaceAndSavesEverythingAtStop) {
    Start();
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
    const RECT frame = WindowRect(ClockHwnd());
    EXPECT_EQ(frame.left, 194);
    EXPECT_EQ(frame.top, 105);
    RECT client;
    GetClientRect(ClockHwnd(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 200);
    // Round: the corners are cut, the edge midpoints and the centre show.
    EXPECT_EQ(RegionSamples(ClockHwnd(), {{1, 1}, {198, 198}, {100, 1}, {1, 100}, {100, 100}}),
              "00111");

    Clock().Ticker().Tick();
    const GdiSurface& display = Clock().Face().Pictures().display;
    // Pixels of the face clear of the hands at 10:15:30.
    EXPECT_EQ(display.PixelAt(97, 103), 0x800000u) << "the dark red centre";
    EXPECT_EQ(display.PixelAt(2, 2), 0x000000u) << "a black corner";
    EXPECT_EQ(display.PixelAt(150, 130), 0xFFFFFFu) << "the white dial";
    const uint32_t ring = display.PixelAt(100, 10);
    EXPECT_GT((ring >> 8) & 0xFF, (ring >> 16) & 0xFF) << "the ring is green";
    EXPECT_TRUE(Clock().Tray().IsAdded());

    const HWND hwnd = ClockHwnd();
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = hwnd;
    icon.uID = TrayIcon::kIconId;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon)) << "the tray icon exists";

    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kStop);  // "STOP"
    EXPECT_FALSE(app_->HasClock());
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &icon)) << "the tray icon is gone";
    EXPECT_EQ(Stored("FL"), "194");
    EXPECT_EQ(Stored("AHS"), "40") << "the effective hour-hand length of a 200-pixel face";
    EXPECT_EQ(Stored("SDate"), "true");
    EXPECT_EQ(Stored("Still"), "<missing>");
}

// Cut by its region, the round face showed a near-black rim: its edge pixels are the face's own
// blend with the black outside its circle. With smooth edges they are taken from just inside;
// without, every pixel is as the clock was always drawn.
TEST_F(ClockWindowTest, WithSmoothEdgesACutClockShowsNoDarkRim) {
    Start();
    // The screen's pixel where the circle meets the face's left edge.
    const auto shown = [&] {
        RedrawWindow(ClockHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const COLORREF c = GetPixel(BorrowedDc(nullptr).Get(), WindowRect(ClockHwnd()).left,
                                    WindowRect(ClockHwnd()).top + 100);
        return uint32_t(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
    };
    const GdiSurface& display = Clock().Face().Pictures().display;
    ASSERT_LT(display.PixelAt(0, 100) & 0xFF00, 0x2000u) << "the face's own edge is near black";
    EXPECT_EQ(shown(), display.PixelAt(2, 100));
    Clock().Parts().model.Edit().SmoothEdges = false;
    Clock().Parts().place.Reshape();
    EXPECT_EQ(shown(), display.PixelAt(0, 100));
}

TEST_F(ClockWindowTest, ATickThatChangesNoPixelSendsNothingToTheWindow) {
    Start();
    RunningClock& clock = Clock();
    clock.Ticker().Tick();
    const unsigned shown = clock.Face().FramesShown();
    clock.Ticker().Tick();  // the same instant: the same frame
    EXPECT_EQ(clock.Face().FramesShown(), shown);
    ++time_.time.second;  // the second hand moves
    clock.Ticker().Tick();
    EXPECT_EQ(clock.Face().FramesShown(), shown + 1);
}

TEST_F(ClockWindowTest, ConversionErrorsReachTheSeamAndStartUpCompletes) {
    const DWORD number = 7;
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegSetValueExA(key, "FL", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    Store("FT", "12a");
    Store("FSize5", "abc");
    Store("FSize6", "11");
    Store("MonthNames1", "Janvier");

    Start();
    // Creation reads the start-up values; showing the clock activates it and reads the fonts.
    EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{"Invalid data type for 'FL'",
                                                           "'12a' is not a valid integer value",
                                                           "'abc' is not a valid integer value"}));
    EXPECT_EQ(messages_.Messages().front().style, MessageStyle::Error);
    EXPECT_EQ(Clock().Settings().MonthNames1, "Janvier") << "reading went on past the errors";
    EXPECT_EQ(Clock().Settings().FSize6, 11);
    EXPECT_EQ(Clock().Model().Live().displays.fonts[5].pointSize, 11);

    SetForegroundWindow(app_->FirstClock().ControlMenu().Window());
    SetForegroundWindow(ClockHwnd());
    EXPECT_EQ(messages_.Messages().size(), 3u) << "fonts are read at the first activation only";

    Stop();
    EXPECT_EQ(Stored("FL"), "194");
    EXPECT_EQ(Stored("FT"), "105");
    EXPECT_EQ(Stored("FSize5"), "8");
    EXPECT_EQ(Stored("FSize6"), "11");
    EXPECT_EQ(Stored("MonthNames1"), "Janvier");
}

TEST_F(ClockWindowTest, ShapesCutTheWindowAndAnUnknownShapeLeavesItWhole) {
    Start();
    const auto corners = [&] {
        return RegionSamples(ClockHwnd(), {{0, 0}, {3, 3}, {10, 10}, {100, 100}});
    };
    ClockSettings& s = Clock().Parts().model.Edit();
    s.CShape = 1;
    Clock().Parts().place.Reshape();
    EXPECT_EQ(corners(), "1111");
    s.CShape = 2;
    s.RSqr = 40;
    Clock().Parts().place.Reshape();
    EXPECT_EQ(corners(), "0011");
    s.RSqr = 0;
    Clock().Parts().place.Reshape();
    EXPECT_EQ(corners(), "1111") << "no corner size: the same as square";
    s.CShape = 0;
    Clock().Parts().place.Reshape();
    EXPECT_EQ(corners(), "0001");
    s.CShape = 7;
    Clock().Parts().place.Reshape();
    EXPECT_EQ(corners(), "none");
}

TEST_F(ClockWindowTest, ARoundWindowOnAWideFaceIsAnEllipse) {
    Start();
    SetWindowPos(ClockHwnd(), nullptr, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER);
    Clock().Parts().place.Reshape();
    EXPECT_EQ(RegionSamples(ClockHwnd(), {{5, 60}, {100, 5}, {100, 115}, {194, 60}, {30, 10}}),
              "11110");
}

TEST_F(ClockWindowTest, ZPositionFollowsFacePos) {
    Start();
    ClockSettings& s = Clock().Parts().model.Edit();
    const auto topMost = [&] {
        return (GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    };
    s.FacePos = 0;
    Clock().Parts().place.Restack();
    EXPECT_TRUE(topMost());
    s.FacePos = 1;
    Clock().Parts().place.Restack();
    EXPECT_FALSE(topMost());
    // Bottom: below another application's window that was shown before.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    s.FacePos = 0;
    Clock().Parts().place.Restack();
    s.FacePos = 2;
    Clock().Parts().place.Restack();
    EXPECT_FALSE(topMost());
    bool otherAbove = false;
    for (HWND above = GetWindow(ClockHwnd(), GW_HWNDPREV); above;
         above = GetWindow(above, GW_HWNDPREV)) {
        otherAbove |= above == other;
    }
    EXPECT_TRUE(otherAbove);
    DestroyWindow(other);
    s.FacePos = 0;
    Clock().Parts().place.Restack();
    s.FacePos = 5;
    Clock().Parts().place.Restack();
    EXPECT_TRUE(topMost()) << "an unknown position leaves the z-order alone";
}

// Wholly inside the work area: the maximised-window area it once used is larger than the screen
// by a window frame, and left the clock's edge past the screen's.
TEST_F(ClockWindowTest, TheTickPullsADraggedWindowBackUnlessBoundariesAreIgnored) {
    Start();
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(ClockHwnd(), nullptr, work.right - 50, work.bottom - 50, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    Clock().Ticker().Tick();
    EXPECT_EQ(WindowRect(ClockHwnd()).right, work.right);
    EXPECT_EQ(WindowRect(ClockHwnd()).bottom, work.bottom);
    EXPECT_EQ(Clock().Settings().FL, 194) << "the clamp moves the window, not FL";

    Clock().Parts().model.Edit().IgnoreBoundary = true;
    SetWindowPos(ClockHwnd(), nullptr, work.right - 50, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Clock().Ticker().Tick();
    EXPECT_EQ(WindowRect(ClockHwnd()).left, work.right - 50) << "partly off the screen";
    SetWindowPos(ClockHwnd(), nullptr, work.right + 500, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Clock().Ticker().Tick();
    EXPECT_EQ(WindowRect(ClockHwnd()).right, work.right) << "off every monitor: brought back";
}

TEST_F(ClockWindowTest, TimersRunAtTheirIntervalsAndSmoothSpeedsTheTick) {
    Start();
    EXPECT_EQ(Clock().Ticker().Schedule().Step(), 250u);
    Clock().Parts().model.Edit().Smooth = true;
    Clock().Parts().look.Retime();
    EXPECT_EQ(Clock().Ticker().Schedule().Step(), 10u);
    app_.reset();

    Store("Smooth", "true");
    Start();
    EXPECT_EQ(Clock().Ticker().Schedule().Step(), 10u);
    // Let the real timers fire for a while: frames are composed and the colon phase flips. (It
    // may flip twice: the blink timer runs from the clock's creation, before the other windows.)
    const bool phase = Clock().Model().Live().displays.colonsShown;
    bool flipped = false;
    const DWORD until = GetTickCount() + 700;
    while (GetTickCount() < until) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
        flipped = flipped || Clock().Model().Live().displays.colonsShown != phase;
    }
    EXPECT_TRUE(flipped);
    EXPECT_EQ(Clock().Model().Instant().time, time_.time) << "the tick sampled the clock's seam";
}

TEST_F(ClockWindowTest, ASmoothTickSleepsOverUnchangedStepsUntilSomethingElseMayChangeTheFrame) {
    Store("Smooth", "true");
    Start();
    RunningClock& clock = Clock();
    clock.Ticker().Tick();
    // The default clock at 10:15:30.000: its smooth second hand moves within the standard tick.
    const UINT sleep = clock.Ticker().Schedule().NextTickIn();
    EXPECT_GT(sleep, 10u);
    EXPECT_LT(sleep, 250u);

    clock.Ticker().BlinkColons();  // the colon blink
    EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), 10u);
    clock.Ticker().Tick();
    EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), sleep);
    clock.Ticker().PaceTickTock();
    EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), sleep) << "no tick sound to make";
    clock.Parts().model.Edit().Tick = true;
    clock.Ticker().PaceTickTock();
    EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), 10u) << "a tick sound now due";
    EXPECT_TRUE(clock.Model().Sounds().tickDue);
    clock.Parts().model.Edit().Tick = false;  // the tick due is not to be played here
    clock.Ticker().Tick();
    // A key or a click anywhere in the program may change a setting.
    MSG click{ClockHwnd(), WM_RBUTTONUP, 0, 0, 0, {}};
    app_->Dispatch(click);
    EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), 10u);

    clock.Parts().model.Edit().Smooth = false;
    clock.Parts().look.Retime();
    clock.Ticker().Tick();
    EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), 250u)
        << "the standard tick never sleeps longer";
}

// No key or click comes with these edits: the edit itself brings the tick to its next step, and
// that tick shows it.
TEST_F(ClockWindowTest, AnEditWithNoInputReachesTheScreenWithinOneTick) {
    Store("Smooth", "true");
    Start();
    RunningClock& clock = Clock();
    // The clock as it starts, not mirrored, to come back to.
    const std::string config = WriteTempFile("marvix-as-started.ccf", {});
    ASSERT_TRUE(clock.Parts().files.SaveConfiguration(config));
    const struct {
        const char* what;
        std::function<bool(RunningClock&)> edit;
    } edits[] = {
        {"a setting changed by the program",
         [](RunningClock& c) { return c.Parts().model.Edit().Reversed = true; }},
        {"a configuration loaded by the program",
         [&](RunningClock& c) { return c.Parts().files.LoadConfiguration(config); }},
    };
    for (const auto& [what, edit] : edits) {
        clock.Ticker().Tick();
        ASSERT_GT(clock.Ticker().Schedule().NextTickIn(), clock.Ticker().Schedule().Step())
            << what << ": the tick sleeps";
        ASSERT_TRUE(edit(clock)) << what;
        EXPECT_EQ(clock.Ticker().Schedule().NextTickIn(), clock.Ticker().Schedule().Step()) << what;
        const unsigned frames = clock.Face().FramesShown();
        clock.Ticker().Tick();
        EXPECT_EQ(clock.Face().FramesShown(), frames + 1) << what << ": shown by the next tick";
    }
}

TEST_F(ClockWindowTest, DraggingMovesTheWindowAndFollowsMoveIt) {
    Start();
    const RECT before = WindowRect(ClockHwnd());
    SetCursorPos(before.left + 100, before.top + 100);
    SendMessageA(ClockHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(Clock().IsDragging());
    SetCursorPos(before.left + 130, before.top + 110);
    SendMessageA(ClockHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 110));
    EXPECT_EQ(WindowRect(ClockHwnd()).left, before.left + 30);
    EXPECT_EQ(Clock().Settings().FL, before.left + 30);
    EXPECT_EQ(Clock().Settings().FT, before.top + 10);
    SendMessageA(ClockHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(130, 110));
    EXPECT_FALSE(Clock().IsDragging());

    Clock().Parts().model.Edit().MoveIt = false;
    const RECT fixed = WindowRect(ClockHwnd());
    SendMessageA(ClockHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    EXPECT_TRUE(Clock().IsDragging()) << "the left button still counts";
    SetCursorPos(fixed.left + 160, fixed.top + 160);
    SendMessageA(ClockHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(160, 160));
    EXPECT_EQ(WindowRect(ClockHwnd()).left, fixed.left);
    SendMessageA(ClockHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(160, 160));
}

// Ctrl and the wheel over the clock: 10 per cent a notch, the spot under the pointer kept; STOP
// keeps the size under the subkey and the next start shows it. At 200 %, a drag to the screen's
// edge leaves the clock wholly on it, round as ever.
TEST_F(ClockWindowTest, CtrlAndTheWheelSizeTheClockWhichKeepsItsSizeAndShape) {
    Start();
    // A text measured in the DAY display's font, in face pixels.
    const auto dayText = [&] {
        return Clock().Face().Pictures().digits[0].TextExtent(
            "Mon", app_->FirstClock().Model().Live().displays.fonts[0]);
    };
    const Size day = dayText();
    const RECT before = WindowRect(ClockHwnd());
    const POINT spot{before.left + 150, before.top + 100};
    SendMessageA(ClockHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA),
                 MAKELPARAM(spot.x, spot.y));
    const RECT grown = WindowRect(ClockHwnd());
    EXPECT_EQ(grown.right - grown.left, 220);
    EXPECT_NEAR(grown.left + (spot.x - before.left) * 1.1, spot.x, 1)
        << "the spot stays under the pointer";
    EXPECT_NEAR(grown.top + (spot.y - before.top) * 1.1, spot.y, 1);
    SendMessageA(ClockHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(spot.x, spot.y));
    EXPECT_EQ(WindowRect(ClockHwnd()).right - WindowRect(ClockHwnd()).left, 220)
        << "Ctrl is needed";
    Stop();
    EXPECT_EQ(Win32Registry(kProgramKeyPath).ReadValue("Size").text, "110");
    EXPECT_EQ(Stored("ACX"), "100") << "numbers stay in face pixels: the centre of a 200 face";

    Win32Registry(kProgramKeyPath).WriteValue("Size", "200");
    Start();
    RECT r = WindowRect(ClockHwnd());
    EXPECT_EQ(r.right - r.left, 400);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(ClockHwnd(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 200, 200) && !PtInRegion(region, 5, 5)) << "round at 200 %";
    DeleteObject(region);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(ClockHwnd(), nullptr, work.right - 50, work.bottom - 50, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    Clock().Ticker().Tick();
    r = WindowRect(ClockHwnd());
    EXPECT_TRUE(r.right == work.right && r.bottom == work.bottom && r.right - r.left == 400)
        << "on the screen";

    // A gallery face at 200 % is its larger copy's pixels, not its own resampled.
    char exe[MAX_PATH];
    std::string faces(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
    faces.resize(faces.rfind("\\tests\\"));
    ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(faces + "\\gallery\\twenty-four.ccf"));
    std::ifstream file(faces + "\\gallery\\faces\\twenty-four@2x.bmp", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const std::optional<Picture> larger = DecodeBitmapFile(bytes);
    ASSERT_TRUE(larger && larger->width == 400);
    EXPECT_EQ(Clock().Face().Pictures().face->ToPicture().pixels, larger->pixels);
    // The displays' fonts follow the size (they kept the height of the size before).
    Clock().Parts().model.Edit().Size = 100;
    Clock().Parts().look.Rescale();
    EXPECT_EQ(dayText(), day);
}

}  // namespace
}  // namespace marvix
