// Clocks for other places, made as a user makes them: in the clocks window, by the keys.
#include <cmath>
#include <cstring>
#include <ranges>

#include "../support/clock_fixture_win.h"
#include "../support/recording_player.h"
#include "clock/alarm_window_win.h"
#include "clock/control_menu_win.h"
#include "clock/tray_icon_win.h"
#include "digital/display_texts.h"
#include "hands/hand_geometry.h"
#include "settings/clock_keys_win.h"

namespace marvix {
namespace {

class WorldClocksTest : public ClockFixture {
protected:
    void Type(const char* text) {
        for (; *text; ++text)
            PostMessageA(GetFocus(), WM_CHAR, WPARAM(static_cast<unsigned char>(*text)), 1);
        Pump();
    }
    // The zone the words find, under `label`: typed in the find field, then Tab to the zones and
    // on to the label (its words selected as the focus comes), and Enter.
    void AddByKeys(const char* find, const char* label) {
        SetFocus(GetDlgItem(app_->Windows().ClocksList().Window(), ClocksWindow::kFind));
        Type(find);
        PressKey(VK_TAB);
        PressKey(VK_TAB);
        Type(label);
        PressKey(VK_RETURN);
    }
    // Whether `clock`'s hour hand points at `hour` (10.25 for 10:15): its colour halfway along.
    static bool HourHandAt(ClockHost& clock, double hour) {
        const GdiSurface& display = clock.Clock().Face().Pictures().display;
        const HandGeometry hands =
            EffectiveHandGeometry(clock.Model().Settings(), display.GetSize());
        const double turn = hour / 12 * 2 * 3.14159265358979, along = hands.lengths[0] / 2.0;
        return display.PixelAt(hands.centre.x + int(std::lround(along * std::sin(turn))),
                               hands.centre.y - int(std::lround(along * std::cos(turn)))) ==
               0xFF0000u;
    }
    static bool Stored(int number) {
        HKEY key = nullptr;
        const bool found = RegOpenKeyExA(HKEY_CURRENT_USER, OtherClockKeys(number).clock.c_str(), 0,
                                         KEY_READ, &key) == ERROR_SUCCESS;
        if (found) RegCloseKey(key);
        return found;
    }
};

// The computer keeps universal time, 10:15 on a Monday: Tokyo's clock shows 19:15, New York's
// 5:15, each on its hour hand, in its words, its hour display and the tray's tip; each face window and label edits
// its own clock; Tokyo's alarm rings at Tokyo's time; all three come back after STOP, and Remove takes
// one away with its subkey.
TEST_F(WorldClocksTest, ClocksForTokyoAndNewYorkKeepTheirZonesLooksAndPlaces) {
    Start();
    // A broad red hour hand alone, which the new clocks copy, and an alarm, which they do not.
    ClockSettings& look = app_->FirstClock().Model().Edit();
    look.Alarm2 = true;
    look.DispM = look.DispS = false;
    look.HWT = 7;
    look.CHourStr = {"$000000FF", 0x0000FF};
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kClocks);
    ASSERT_TRUE(app_->Windows().ClocksList().IsVisible());
    AddByKeys("tokyo", "Tokyo");
    AddByKeys("eastern time (us", "New York");
    ASSERT_EQ(app_->Clocks().size(), 3u) << ::testing::PrintToString(messages_.Texts());
    ClockHost& tokyo = *app_->Clocks()[1];
    ClockHost& newYork = *app_->Clocks()[2];
    EXPECT_EQ(tokyo.Model().Settings().Zone, "Tokyo Standard Time");
    EXPECT_EQ(newYork.Model().Settings().Zone, "Eastern Standard Time");
    EXPECT_FALSE(tokyo.Model().Settings().Alarm2) << "a copy without its sounds";
    Wait(600);

    const struct {
        ClockHost& clock;
        double hand;
        const char* words;
        const char* hour;
    } shown[] = {{tokyo, 7.25, "Tokyo, 19:15, Monday", " 7"},
                 {newYork, 5.25, "New York, 5:15, Monday", " 5"}};
    EXPECT_TRUE(HourHandAt(app_->FirstClock(), 10.25));
    for (const auto& c : shown) {
        EXPECT_TRUE(HourHandAt(c.clock, c.hand)) << c.words;
        EXPECT_FALSE(HourHandAt(c.clock, 10.25)) << c.words;
        EXPECT_EQ(c.clock.Clock().Words().Text().rfind(c.words, 0), 0u)
            << c.clock.Clock().Words().Text();
        const ClockInstant now = SampleInstant(c.clock.Clock().ClockTime());
        EXPECT_EQ(
            DisplayText(Display::Hour, c.clock.Model().Settings(), true, now.time, now.utcBias),
            c.hour);
        RECT both;
        const RECT first = WindowRect(ClockHwnd()), other = WindowRect(c.clock.Clock().Window());
        EXPECT_FALSE(IntersectRect(&both, &first, &other)) << "beside the first, clear of it";
    }
    // One picture of the built-in face serves the three; a snapshot Tokyo takes is its own.
    const FacePicture& face = app_->FirstClock().Clock().Face().Pictures().face;
    const std::vector<uint32_t> faceBefore = face->ToPicture().pixels;
    EXPECT_TRUE(tokyo.Clock().Face().Pictures().face.SameAs(face));
    tokyo.Clock().Face().TakeSnapshot();
    EXPECT_NE(tokyo.Clock().Face().Pictures().face->ToPicture().pixels, faceBefore);
    EXPECT_EQ(face->ToPicture().pixels, faceBefore);
    EXPECT_TRUE(newYork.Clock().Face().Pictures().face.SameAs(face));

    const std::string tip = app_->FirstClock().Clock().Tray().Tip();
    EXPECT_EQ(tip.rfind("10:15", 0), 0u) << tip;
    EXPECT_NE(tip.find("\nTokyo 19:15 Monday\nNew York 05:15 Monday"), std::string::npos) << tip;

    // Hidden in the tray, Tokyo comes back from the tray icon's menu of clocks, with its own menu.
    SendMessageA(tokyo.Clock().Window(), WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_FALSE(IsWindowVisible(tokyo.Clock().Window()));
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(ClockHwnd(), WM_KEYDOWN, key, 1);
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, 0, WM_RBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(tokyo.Clock().Window()));
    EXPECT_TRUE(tokyo.ControlMenu().IsVisible());
    EXPECT_FALSE(app_->FirstClock().ControlMenu().IsVisible());
    tokyo.ControlMenu().Hide();

    // Its label, from the clocks window: renamed, placed, and taken off its face.
    HWND window = app_->Windows().ClocksList().Window();
    SendMessageA(GetDlgItem(window, ClocksWindow::kClockList), LB_SETCURSEL, 1, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(ClocksWindow::kClockList, LBN_SELCHANGE), 0);
    SetWindowTextA(GetDlgItem(window, ClocksWindow::kClockLabel), "Tokyo City");
    SendMessageA(GetDlgItem(window, ClocksWindow::kLabelCentred), BM_CLICK, 0, 0);
    EXPECT_GT(tokyo.Model().Settings().LabelY, 100) << "where it was, two thirds down";
    SetDlgItemInt(window, ClocksWindow::kLabelLeft, 12, FALSE);
    EXPECT_EQ(tokyo.Model().Settings().LabelX, 12);
    SendMessageA(GetDlgItem(window, ClocksWindow::kLabelShown), BM_CLICK, 0, 0);
    EXPECT_EQ(tokyo.Name(), "Tokyo City");
    EXPECT_FALSE(tokyo.Model().Settings().LabelShow);
    EXPECT_EQ(app_->FirstClock().Name(), "") << "the first clock's stays";

    tokyo.Dialog(DialogId::Face).Show();
    EXPECT_EQ(WindowText(tokyo.Dialog(DialogId::Face).Window()), "Marvix Face (Tokyo City)");
    app_->FirstClock().Dialog(DialogId::Face).Show();
    EXPECT_EQ(WindowText(app_->FirstClock().Dialog(DialogId::Face).Window()), "Marvix Face")
        << "the first's";
    SendMessageA(
        FindWindowExA(tokyo.Dialog(DialogId::Face).Window(), nullptr, "Button", "Smooth edges"),
        BM_CLICK, 0, 0);
    EXPECT_FALSE(tokyo.Model().Settings().SmoothEdges);
    EXPECT_TRUE(app_->FirstClock().Model().Settings().SmoothEdges) << "the first clock's own stays";
    EXPECT_TRUE(newYork.Model().Settings().SmoothEdges);

    RecordingPlayer player;
    tokyo.Clock().Bell().UsePlayer(player);
    ClockSettings& alarm = tokyo.Model().Edit();
    alarm.Alarm1 = alarm.A1PM = true;
    alarm.A1H = 7;
    alarm.A1M = 16;
    time_.time.minute = 16;
    Wait(600);
    EXPECT_EQ(player.played.size(), 1u) << "19:16 in Tokyo";
    tokyo.Clock().Bell().AnswerAlarm(std::nullopt);

    const RECT tokyoAt = WindowRect(tokyo.Clock().Window());
    Stop();
    Pump();
    app_.reset();
    Start();
    ASSERT_EQ(app_->Clocks().size(), 3u);
    const ClockHost& tokyoAgain = *app_->Clocks()[1];
    EXPECT_EQ(tokyoAgain.Name(), "Tokyo City");
    EXPECT_EQ(tokyoAgain.Model().Settings().LabelX, 12);
    EXPECT_EQ(tokyoAgain.Model().Settings().Zone, "Tokyo Standard Time");
    EXPECT_FALSE(tokyoAgain.Model().Settings().SmoothEdges);
    EXPECT_EQ(WindowRect(app_->Clocks()[1]->Clock().Window()).left, tokyoAt.left);
    EXPECT_EQ(WindowRect(app_->Clocks()[1]->Clock().Window()).top, tokyoAt.top);
    EXPECT_EQ(app_->Clocks()[2]->Name(), "New York");

    const int newYorkNumber = app_->Clocks()[2]->Keys().number;
    ASSERT_TRUE(Stored(newYorkNumber));
    app_->FirstClock().ShowProgramWindow(ProgramHost::Window::Clocks);
    HWND list = GetDlgItem(app_->Windows().ClocksList().Window(), ClocksWindow::kClockList);
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    SendMessageA(app_->Windows().ClocksList().Window(), WM_COMMAND,
                 MAKEWPARAM(ClocksWindow::kRemove, BN_CLICKED), 0);
    Pump();
    EXPECT_FALSE(Stored(newYorkNumber));
    EXPECT_EQ(app_->Clocks().size(), 2u);

    // Opened from Tokyo's menu, the window chooses Tokyo; STOP on Tokyo while it shows leaves the
    // first clock alone in its list.
    app_->Clocks()[1]->ShowProgramWindow(ProgramHost::Window::Clocks);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    app_->Clocks()[1]->ControlMenu().Press(ControlMenuWindow::kStop);
    Pump();
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    SendMessageA(app_->Windows().ClocksList().Window(), WM_COMMAND,
                 MAKEWPARAM(ClocksWindow::kRemove, BN_CLICKED), 0);
    EXPECT_TRUE(app_->HasClock()) << "the first clock stays";
}

// Places typed as a person names them find their zones, labelled as the place (Windows names
// "india" nowhere, and its search chose Indiana); with five clocks and an alarm on, the tip keeps
// within Windows' 127 characters and names every clock. A white label on the white dial turns black.
TEST_F(WorldClocksTest, PlacesFindTheirZonesAndFiveClocksShareTheTip) {
    Start();
    app_->FirstClock().Model().Edit().Alarm1 = true;
    app_->FirstClock().Model().Edit().LabelColour = {"clWhite", Colour::Rgb(255, 255, 255)};
    app_->FirstClock().ShowProgramWindow(ProgramHost::Window::Clocks);
    const struct {
        const char *typed, *label;
    } places[] = {{"india", "India"},
                  {"new york", "New York"},
                  {"los angeles", "Los Angeles"},
                  {"s\xe3o paulo", "S\xe3o Paulo"}};
    for (const auto& place : places) AddByKeys(place.typed, "");
    ASSERT_EQ(app_->Clocks().size(), 5u) << ::testing::PrintToString(messages_.Texts());
    EXPECT_EQ(app_->Clocks()[1]->Model().Settings().Zone, "India Standard Time");
    // The tip tells of the alarm once the change has settled.
    const auto tip = [&] { return std::string(app_->FirstClock().Clock().Tray().Tip()); };
    ASSERT_TRUE(WaitFor([&] { return tip().find(", alarm at ") != std::string::npos; }, 5000));
    EXPECT_LE(tip().size(), 127u);
    for (size_t i = 0; i < std::size(places); ++i) {
        const ClockSettings& s = app_->Clocks()[i + 1]->Model().Settings();
        EXPECT_EQ(s.Label, places[i].label);
        EXPECT_EQ(s.LabelColour.text, "clBlack");
        EXPECT_NE(tip().find(std::string("\n") + places[i].label + " "), std::string::npos);
    }
}

// A clock stored for a zone Windows does not know shows the computer's own time, and says so
// once; closed by the system, it is kept. Values of the program's own it may not hold (a size of
// 5000 %, an opacity of 5 %) take their defaults, and a key under Clocks naming no clock is passed.
TEST_F(WorldClocksTest, AZoneWindowsDoesNotKnowShowsLocalTimeAndSaysSoOnce) {
    Win32Registry atlantis(OtherClockKeys(4).clock);
    atlantis.WriteValue("Zone", "Atlantis Standard Time");
    atlantis.WriteValue("Label", "Atlantis");
    atlantis.WriteValue("Size", "5000");
    Win32Registry(kProgramKeyPath).WriteValue("Opacity", "5");
    Win32Registry(std::string(kClocksKeyPath) + "\\notes").WriteValue("Zone", "Tokyo");
    Start();
    ASSERT_EQ(app_->Clocks().size(), 2u);
    EXPECT_EQ(app_->Clocks()[1]->Model().Settings().Size, 100);
    EXPECT_EQ(app_->FirstClock().Model().Settings().Opacity, 100);
    Wait(1200);
    EXPECT_EQ(app_->Clocks()[1]->Clock().Words().Text().rfind("Atlantis, 10:15", 0), 0u)
        << app_->Clocks()[1]->Clock().Words().Text();
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"Windows does not know the time zone \"Atlantis Standard "
                                       "Time\" for this year: the clock \"Atlantis\" shows the "
                                       "computer's own time."});
    EXPECT_EQ(app_->Clocks()[1]->Model().Settings().Zone, "Atlantis Standard Time")
        << "kept, should Windows know it again";

    // Closed by the system (as taskkill closes a window), every clock is kept for the next start.
    SendMessageA(app_->Clocks()[1]->Clock().Window(), WM_CLOSE, 0, 0);
    Pump();
    app_.reset();
    Start();
    EXPECT_EQ(app_->Clocks().size(), 2u);
}

// One timer serves every clock: three smooth clocks whose second hands step at the same instants
// wake the program once for each step, and each shows every step. A clock hidden by a
// double-click waits: no frame reaches it.
TEST_F(WorldClocksTest, OneTimerServesThreeSmoothClocksAndAHiddenClockWaits) {
    Store("Smooth", "true");
    for (auto [number, zone] : {std::pair{1, "Tokyo Standard Time"}, {2, "Eastern Standard Time"}})
        for (auto [name, value] : {std::pair{"Zone", zone}, {"Smooth", "true"}})
            RegSetKeyValueA(HKEY_CURRENT_USER, OtherClockKeys(number).clock.c_str(), name, REG_SZ,
                            value, DWORD(strlen(value) + 1));
    Start();
    ASSERT_EQ(app_->Clocks().size(), 3u);
    // The computer's time runs on from 10:15:30 with the real one; every timer message the program
    // gets, and every frame each clock shows, is counted.
    const LocalTime from = time_.time;
    const ULONGLONG start = GetTickCount64();
    struct Counts {
        int wakes = 0;
        std::vector<unsigned> frames;
    };
    const auto run = [&](DWORD ms) {
        Counts counts;
        for (const auto& clock : app_->Clocks())
            counts.frames.push_back(clock->Clock().Face().FramesShown());
        for (const ULONGLONG until = GetTickCount64() + ms; GetTickCount64() < until;) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            time_.time = AddMilliseconds(from, int64_t(GetTickCount64() - start));
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                counts.wakes += message.message == WM_TIMER;
                app_->Dispatch(message);
            }
        }
        for (size_t i = 0; i < counts.frames.size(); ++i)
            counts.frames[i] = app_->Clocks()[i]->Clock().Face().FramesShown() - counts.frames[i];
        return counts;
    };
    run(500);  // settled
    const Counts three = run(2000);
    for (const auto& clock : app_->Clocks() | std::views::drop(1))
        SendMessageA(clock->Clock().Window(), WM_LBUTTONDBLCLK, 0, 0);
    const Counts one = run(2000);

    EXPECT_GT(three.frames[0], 16u) << "a smooth second hand moves more than 8 times a second";
    for (unsigned frames : three.frames)
        EXPECT_NEAR(frames, three.frames[0], 1) << "every clock shows every step of its hand";
    EXPECT_LE(three.wakes * 10, three.frames[0] * 13) << "one wake serves the three clocks";
    EXPECT_GT(one.frames[0], 16u);
    EXPECT_EQ(one.frames[1] + one.frames[2], 0u) << "Tokyo and New York, hidden, wait";
}

// The program's own loop wakes for the dues itself: a smooth clock shows its steps while the
// window timer only stands by, firing at most once a second.
TEST_F(WorldClocksTest, TheProgramsLoopServesTheTickWithoutItsTimer) {
    Store("Smooth", "true");
    Start();
    // A client of the test's own rides on the tick every 10 ms: it moves the computer's time on
    // with the real one, and ends the loop after a second and a half.
    struct RealTime final : TickClient {
        RealTime(FixedClock& t, Heartbeat& beat) : time(t), from(t.time), schedule(beat) {}
        const TickSchedule& Schedule() const override { return schedule; }
        void Serve() override {
            const ULONGLONG passed = GetTickCount64() - start;
            time.time = AddMilliseconds(from, int64_t(passed));
            if (passed > 1500) PostQuitMessage(0);
            schedule.SleepSteps(1);
        }
        void RunChores(const Chores&) override {}
        FixedClock& time;
        LocalTime from;
        ULONGLONG start = GetTickCount64();
        TickSchedule schedule;
    } realTime(time_, app_->Beat());
    realTime.schedule.UseStep(true);
    realTime.schedule.Start();
    app_->Beat().Join(realTime);
    static HWND owner;
    static int timerMessages;
    owner = app_->Owner();
    timerMessages = 0;
    HHOOK hook = SetWindowsHookExA(
        WH_GETMESSAGE,
        [](int code, WPARAM removed, LPARAM message) -> LRESULT {
            const MSG& m = *reinterpret_cast<const MSG*>(message);
            timerMessages += code == HC_ACTION && removed == PM_REMOVE && m.message == WM_TIMER &&
                             m.hwnd == owner;
            return CallNextHookEx(nullptr, code, removed, message);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    const unsigned frames = Clock().Face().FramesShown();
    app_->Run();
    UnhookWindowsHookEx(hook);
    app_->Beat().Leave(realTime);
    EXPECT_GT(Clock().Face().FramesShown() - frames, 12u) << "the smooth second hand's steps";
    EXPECT_LE(timerMessages, 2) << "the timer only stands by";
}

}  // namespace
}  // namespace marvix
