// Timers and the stopwatch as a user meets them: made by keys in the Timers window, shown on the
// clock, rung in the alarm window, and kept over a restart.
#include "../support/clock_fixture_win.h"
#include "../support/recording_player.h"
#include "../support/recording_wake_timer.h"
#include "../support/screen_reader_win.h"
#include "clock/control_menu_win.h"
#include "program/wake_timer_win.h"
#include "settings/clock_keys_win.h"
#include "timers/hotkeys.h"
#include "timers/timer_length.h"
#include "timers/typed_plan.h"

namespace marvix {
namespace {

class TimersTest : public ClockFixture {
protected:
    void SetUp() override {
        ClockFixture::SetUp();
        RegDeleteTreeA(HKEY_CURRENT_USER, kTimersKeyPath);
        RegDeleteTreeA(HKEY_CURRENT_USER, kStopwatchKeyPath);
        RegDeleteTreeA(HKEY_CURRENT_USER, kTimerPresetsKeyPath);
    }
    HWND Field(int id) { return GetDlgItem(app_->Timers().Window().Window(), id); }
    std::string Problem() { return WindowText(Field(TimersWindow::kProblem)); }
    void StartWithRecorder() {
        Start();
        Timers().UsePlayer(player_);
    }
    ProgramTimers& Timers() { return app_->Timers().Timers(); }
    void TypeInto(int field, const char* text) {
        HWND edit = GetDlgItem(app_->Timers().Window().Window(), field);
        SetWindowTextA(edit, "");
        SetFocus(edit);
        for (; *text; ++text)
            PostMessageA(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(*text)), 1);
        Pump();
    }
    void Restart() {
        Stop();
        Pump();
        app_.reset();
        StartWithRecorder();
    }
    std::string StoredState(int number) {
        Win32Registry values(std::string(kTimersKeyPath) + "\\" + std::to_string(number));
        return values.ReadValue("State").text.value_or("");
    }
    // The colour of the tray icon's top middle pixel, where a timer's ring starts.
    COLORREF RingColourAtTheTop() {
        ICONINFO info{};
        if (!GetIconInfo(Clock().Tray().Icon(), &info)) return CLR_INVALID;
        const ScopedBitmap mask(info.hbmMask), colours(info.hbmColor);
        const ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
        const HGDIOBJ old = SelectObject(dc.Get(), colours.Get());
        const COLORREF colour = GetPixel(dc.Get(), 8, 1);
        SelectObject(dc.Get(), old);
        return colour;
    }
    RecordingPlayer player_;
};

// Typed by keys, a bad length is refused with a sentence; "Tea" for 2 s shows on the first clock,
// rings in the alarm window at its end and takes a minute more; it survives STOP, and, having
// ended while the program was off, rings once at the next start saying when it ended.
TEST_F(TimersTest, ATimerMadeByKeysShowsOnTheClockRingsAndOutlivesTheProgram) {
    StartWithRecorder();
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kTimers);
    TimersWindow& window = app_->Timers().Window();
    ASSERT_TRUE(window.IsVisible());
    TypeInto(TimersWindow::kLength, "2 minutes");
    PressKey(VK_RETURN);
    EXPECT_EQ(WindowText(GetDlgItem(window.Window(), TimersWindow::kProblem)), kLengthsAccepted);
    EXPECT_TRUE(Timers().Book().All().empty());

    TypeInto(TimersWindow::kLabel, "Tea");
    TypeInto(TimersWindow::kLength, "0:02");
    PressKey(VK_RETURN);
    ASSERT_EQ(Timers().Book().All().size(), 1u);
    EXPECT_TRUE(app_->FirstClock().Model().Live().timer.shown);
    EXPECT_EQ(StoredState(1), "Running");
    const std::string tip = Clock().Tray().Tip();
    EXPECT_NE(tip.find("\nTea 0:02 left"), std::string::npos) << tip;
    EXPECT_EQ(RingColourAtTheTop(), RGB(255, 128, 0)) << "the tray icon's ring, whole at the start";
    ScreenReader reader([&] { Pump(); });
    const std::string reading = reader.RolesAndNames({ClockHwnd()}).at(0);
    EXPECT_NE(reading.find(". Timer Tea, 0:02 left"), std::string::npos)
        << "as a screen reader hears the clock: " << reading;
    time_.time = AddMilliseconds(time_.time, 2000);
    ASSERT_TRUE(WaitFor([&] { return Timers().RingingWindow(1) != nullptr; }, 3000));
    EXPECT_EQ(Timers().RingingWindow(1)->Words(), "Tea. Timer");
    EXPECT_EQ(player_.rung.size(), 1u);
    EXPECT_FALSE(app_->FirstClock().Model().Live().timer.shown) << "an ended timer leaves the face";
    EXPECT_NE(RingColourAtTheTop(), RGB(255, 128, 0)) << "and the tray icon";
    Timers().RingingWindow(1)->Answer(TimerAnswer::AddMinute);
    EXPECT_EQ(Timers().Book().All()[0].countdown.LeftMs(Timers().NowMs()), 60'000);
    EXPECT_GE(player_.silenced, 1);

    // The stopwatch runs on while the program is off, and keeps its laps.
    SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(TimersWindow::kWatchStart, BN_CLICKED), 0);
    time_.time = AddMilliseconds(time_.time, 12'300);
    SendMessageA(window.Window(), WM_COMMAND, MAKEWPARAM(TimersWindow::kLap, BN_CLICKED), 0);
    SendMessageA(GetDlgItem(window.Window(), TimersWindow::kWatchOnClock), BM_CLICK, 0, 0);
    EXPECT_TRUE(app_->FirstClock().Model().Live().stopwatch.shown);

    Restart();
    ASSERT_EQ(Timers().Book().All().size(), 1u);
    EXPECT_EQ(Timers().Book().All()[0].countdown.State(), TimerState::Running);
    EXPECT_EQ(Timers().Book().Watch().lapsMs, std::vector<int64_t>{12'300});
    EXPECT_EQ(Timers().Book().Watch().ElapsedMs(Timers().NowMs()), 12'300);
    EXPECT_TRUE(app_->FirstClock().Model().Live().stopwatch.shown) << "still on the clock";
    EXPECT_EQ(Timers().RingingWindow(1), nullptr);

    Stop();
    Pump();
    app_.reset();
    time_.time = AddMilliseconds(time_.time, 5 * 60'000);
    StartWithRecorder();
    ASSERT_NE(Timers().RingingWindow(1), nullptr);
    EXPECT_EQ(Timers().RingingWindow(1)->Words(), "Tea. Tea ended at 10:16");
    Timers().RingingWindow(1)->Answer(TimerAnswer::Stop);
    EXPECT_EQ(StoredState(1), "Ready");
    Restart();
    EXPECT_EQ(Timers().RingingWindow(1), nullptr) << "answered, it never rings again";
}

// A key set in the window works in every program and is kept; one another program holds is
// named in a sentence and stays off.
TEST_F(TimersTest, KeysForEveryProgramStartTheStopwatchAndSayWhenTaken) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kProgramKeyPath, "StopwatchKey");
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'Q')) << "held by another";
    StartWithRecorder();
    HWND window = app_->Timers().Window().Window();
    const auto setKey = [&](BYTE key) {
        HWND field = GetDlgItem(window, TimersWindow::kKey + int(HotkeyUse::Stopwatch));
        SendMessageA(field, HKM_SETHOTKEY, MAKEWORD(key, HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), EN_CHANGE), LPARAM(field));
    };
    setKey('Q');
    EXPECT_EQ(WindowText(GetDlgItem(window, TimersWindow::kKeyProblem)),
              "Ctrl+Alt+Q is held by another program: choose another key.");
    EXPECT_FALSE(app_->Timers().Hotkeys().Get(HotkeyUse::Stopwatch));
    setKey('W');
    EXPECT_EQ(WindowText(GetDlgItem(window, TimersWindow::kKeyProblem)), "");
    UnregisterHotKey(nullptr, 1);

    Restart();
    ASSERT_EQ(app_->Timers().Hotkeys().Get(HotkeyUse::Stopwatch),
              (Hotkey{MOD_CONTROL | MOD_ALT, 'W'}));
    EXPECT_FALSE(RegisterHotKey(nullptr, 2, MOD_CONTROL | MOD_ALT, 'W')) << "the program holds it";
    PostMessageA(app_->Owner(), WM_HOTKEY, 0x4D00 + int(HotkeyUse::Stopwatch), 0);
    Pump();
    EXPECT_TRUE(Timers().Book().Watch().running);
}

// Steps typed with their labels run in turn; a moment in the clock's time counts down in days;
// a preset of the user's own outlives the program, starts by Enter and goes by Delete. Text
// the window cannot read is refused with the sentence for what was typed.
TEST_F(TimersTest, StepsAMomentAndTheUsersOwnPresetsStartTimers) {
    StartWithRecorder();
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kTimers);
    TypeInto(TimersWindow::kLength, "Work 0:02, Break");
    PressKey(VK_RETURN);
    EXPECT_EQ(Problem(), kStepsAccepted);
    TypeInto(TimersWindow::kLabel, "Focus");
    TypeInto(TimersWindow::kLength, "Work 0:02, then Break 0:01");
    PressKey(VK_RETURN);
    ASSERT_EQ(Timers().Book().All().size(), 1u);
    time_.time = AddMilliseconds(time_.time, 2000);
    EXPECT_TRUE(
        WaitFor([&] { return Timers().Book().All()[0].countdown.Label() == "Break"; }, 2000));

    TypeInto(TimersWindow::kUntil, "2020-01-01 00:00");
    PressKey(VK_RETURN);
    EXPECT_EQ(Problem(), kMomentsAccepted) << "a moment past";
    TypeInto(TimersWindow::kUntil, "2027-01-01 00:00");
    PressKey(VK_RETURN);
    ASSERT_EQ(Timers().Book().All().size(), 2u);
    EXPECT_EQ(Timers().Book().All()[1].countdown.Plan().untilMs % 60'000, 0);
    char line[200] = {};
    SendMessageA(Field(TimersWindow::kList), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(line));
    EXPECT_NE(std::string(line).find(" days "), std::string::npos) << line;

    SetWindowTextA(Field(TimersWindow::kUntil), "");
    TypeInto(TimersWindow::kLabel, "Tea");
    TypeInto(TimersWindow::kLength, "4");
    SendMessageA(Field(TimersWindow::kKeepPreset), BM_CLICK, 0, 0);
    Restart();
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kTimers);
    HWND presets = Field(TimersWindow::kPresets);
    ASSERT_EQ(SendMessageA(presets, LB_GETCOUNT, 0, 0), 1);
    SendMessageA(presets, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_STREQ(line, "Tea 4:00");
    SetFocus(presets);
    SendMessageA(presets, LB_SETCURSEL, 0, 0);
    PressKey(VK_RETURN);
    ASSERT_EQ(Timers().Book().All().size(), 3u);
    EXPECT_EQ(Timers().Book().All()[2].countdown.Plan().steps[0].seconds, 240);
    PressKey(VK_DELETE);
    EXPECT_EQ(SendMessageA(presets, LB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(NumberedSubkeys(kTimerPresetsKeyPath).empty());
}

// The wake timer, through its seam: set a minute before a Tokyo clock's alarm (by Tokyo's rules,
// whatever the computer's zone), before a sooner timer, and let go when nothing should wake the
// computer; the system kept awake within the evening before the alarm only where the clock asks.
TEST_F(TimersTest, TheComputerIsWokenAMinuteBeforeTheSoonestAlarmOrTimer) {
    Win32Registry(kProgramKeyPath).WriteValue("Zone", "Tokyo Standard Time");
    StartWithRecorder();
    RecordingWakeTimer timer;
    ProgramWake& wake = app_->Timers().Wake();
    wake.UseTimer(timer);
    ClockSettings& s = app_->FirstClock().Model().Edit();
    s.Alarm1 = s.Alarm1Ring = s.KeepAwake = true;
    const LocalTime tokyo = app_->FirstClock().Time().Now();
    s.A1H = (tokyo.hour + 2) % 24, s.A1M = 0;  // two hours on, or less, in Tokyo
    wake.Plan();
    ASSERT_EQ(timer.set.size(), 1u);
    const int64_t alarm = wake.SetFor().value_or(0) + 60'000;
    const int64_t ahead = alarm + 9 * 3'600'000 - MillisecondsSince1970(tokyo);
    EXPECT_TRUE(ahead > 3'600'000 && ahead <= 7'200'000) << ahead << " ms: by Tokyo's clock";
    EXPECT_EQ(timer.kept, (std::pair{true, false})) << "within twelve hours of the alarm";
    EXPECT_EQ(wake.CannotWake().value_or("").rfind(kCannotWake, 0), 0u);

    const int number = Timers().StartNew({.steps = {{"", 120}}}, {});
    EXPECT_TRUE(WaitFor([&] { return timer.set.size() == 2; }, 2000)) << "within a second";
    EXPECT_EQ(timer.set.back(), Timers().Book().All().back().countdown.Run().endsMs - 60'000);
    const int sooner = Timers().StartNew({.steps = {{"", 60}}}, {.wake = false});
    wake.Plan();
    EXPECT_EQ(timer.set.size(), 2u) << "a timer that does not wake the computer";
    Timers().Remove(sooner);
    Timers().Remove(number);
    wake.Plan();
    // An alarm moved where nothing plans the wake at once: a change of the computer's clock or
    // zone plans it again.
    s.A1M = 30;
    SendMessageA(app_->Owner(), WM_TIMECHANGE, 0, 0);
    Pump();
    EXPECT_EQ(timer.set.back(), alarm + 30 * 60'000 - 60'000) << "after WM_TIMECHANGE";
    app_->FirstClock().Model().Edit().Alarm1 = false;
    wake.Plan();
    EXPECT_EQ(timer.cancelled, 1);
    EXPECT_FALSE(wake.SetFor());
    EXPECT_EQ(timer.kept, (std::pair{false, false}));
}

}  // namespace
}  // namespace marvix
