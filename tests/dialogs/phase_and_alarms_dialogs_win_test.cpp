// The phase and alarms/sounds dialogs under Wine, driven by the messages a user's actions
// produce, with the choosers scripted and the sounds recorded.
#include <windows.h>

#include <oleacc.h>

#include <chrono>

#include <atomic>
#include <string>

#include "../support/dialog_fixture_win.h"
#include "../support/process_counters_win.h"
#include "../support/recording_player.h"
#include "../support/recording_wake_timer.h"
#include "../support/screen_reader_win.h"
#include "../support/test_bitmaps.h"
#include "clock/alarm_window_win.h"
#include "clock/resource.h"
#include "dialogs/alarms_dialog.h"
#include "dialogs/alarms_dialog_win.h"
#include "dialogs/phase_dialog.h"
#include "sound/wake_support.h"
#include "windows/choosers_win.h"

namespace marvix {
namespace {

BOOL WINAPI ThreeSecondSound(LPCSTR, HMODULE, DWORD) {
    Sleep(3000);
    return TRUE;
}

std::atomic<int> g_wakePlays{0}, g_builtInPlays{0};

// A sound of 150 ms: "wake.wav", or the program's own alarm sound; any other file will not play.
BOOL WINAPI TimedBell(LPCSTR file, HMODULE, DWORD flags) {
    if (!file) return TRUE;  // a stop
    if (flags & SND_RESOURCE) {
        ++g_builtInPlays;
    } else if (std::string(file) == "wake.wav") {
        ++g_wakePlays;
    } else {
        return FALSE;
    }
    Sleep(150);
    return TRUE;
}

class PhaseDialogTest : public DialogFixture {
protected:
    PhaseDialogTest() : DialogFixture(DialogId::Phases) {}
};

class AlarmsDialogTest : public DialogFixture {
protected:
    AlarmsDialogTest() : DialogFixture(DialogId::Alarms) {}
    AlarmsWindow& Alarms() { return static_cast<AlarmsWindow&>(Dialog()); }
    // The hour chime on, and alarm 1 at that time ringing until stopped, heard by `player`.
    void StartWithHourChimeAndAlarm(const char* hour, const char* minute) {
        Store("Chime1", "true");
        Store("Alarm1", "true");
        Store("A1H", hour);
        Store("A1M", minute);
        Win32Registry(kProgramKeyPath).WriteValue("Alarm1Ring", "true");
        Start();
        Clock().Bell().UsePlayer(player);
    }
    RecordingPlayer player;
};

TEST_F(PhaseDialogTest, PlacesAreHeldWithinTheFaceAndHalvingShowsAtOnce) {
    Store("BackPic", WriteTempFile("marvix-phase.bmp", SolidBitmap(200, 200, 0x203040)));
    Store("ShowMoon", "true");
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    Type(IdOf(PhaseControl::Left, 0), "250");
    EXPECT_EQ(s.MoonPhaseLeft, 200);
    Leave(IdOf(PhaseControl::Left, 0));
    EXPECT_EQ(Text(IdOf(PhaseControl::Left, 0)), "200");

    Type(IdOf(PhaseControl::Left, 0), "0");
    const GdiSurface& frame = Clock().Face().Pictures().display;
    EXPECT_EQ(frame.PixelAt(30, 90), 0xFFFFFFu) << "the dial's ground below its horizon";
    Click(IdOf(PhaseControl::Halved, 0));  // "Display Halved"
    EXPECT_TRUE(s.MoonHalf);
    EXPECT_EQ(frame.PixelAt(30, 90), 0x203040u) << "only the sky half, at once";
}

TEST_F(PhaseDialogTest, ColoursAreStoredByNameAndACancelWritesNothing) {
    Store("PhaseBackColorStr", "$00800000");
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    ChooserScript chooser;
    chooser.AnswerColour(Colour{0x000000FF});
    Click(IdOf(PhaseControl::MoonColour, 2));
    EXPECT_EQ(s.MoonColorStr.text, "clRed");
    chooser.AnswerColour(std::nullopt);
    Click(IdOf(PhaseControl::MoonColour, 1));
    EXPECT_EQ(chooser.Opened(), 2);
    EXPECT_EQ(s.PhaseBackColorStr.text, "$00800000") << "not rewritten as clNavy";
}

// Each keystroke of 12000 asked for a dial bitmap of up to 576 MB.
TEST_F(PhaseDialogTest, ADisplaySizeIsHeldToTheScreen) {
    Store("ShowMoon", "true");
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    const size_t before = PrivateBytes();
    for (const char* typed : {"1", "12", "120", "1200", "12000"})
        Type(IdOf(PhaseControl::Size, 0), typed);
    const Size screen = Clock().Parts().place.ScreenArea();
    EXPECT_EQ(s.PhaseSize, std::max(screen.width, screen.height));
    EXPECT_LT(PrivateBytes(), before + 8 * 1024 * 1024);
}

// "13" used to become 12, which with pm is noon.
TEST_F(AlarmsDialogTest, AnHourTypedTheTwentyFourHourWayTakesItsPm) {
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    TypeKeys(IdOf(AlarmsControl::AlarmHour), "19", 30);
    EXPECT_EQ(s.A1H, 7);
    EXPECT_TRUE(s.A1PM);
    EXPECT_EQ(SendMessageA(Control(IdOf(AlarmsControl::AlarmPm)), BM_GETCHECK, 0, 0), BST_CHECKED);
    Leave(IdOf(AlarmsControl::AlarmHour));
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmHour)), "7");
    TypeKeys(IdOf(AlarmsControl::AlarmHour), "0", 30);
    Leave(IdOf(AlarmsControl::AlarmHour));
    EXPECT_EQ(s.A1H, 0);
    EXPECT_FALSE(s.A1PM);
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmHour)), "12") << "midnight, said the field's way";

    // Letters never go in ("ab" used to become 1); a minute past 59 is held there and shown so.
    TypeKeys(IdOf(AlarmsControl::AlarmHour), "ab", 30);
    Leave(IdOf(AlarmsControl::AlarmHour));
    EXPECT_EQ(s.A1H, 0);
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmHour)), "12");
    TypeKeys(IdOf(AlarmsControl::AlarmMinute), "75", 30);
    Leave(IdOf(AlarmsControl::AlarmMinute));
    EXPECT_EQ(s.A1M, 59);
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmMinute)), "59");
}

TEST_F(AlarmsDialogTest, TheEditorEditsTheAlarmItsNumberShows) {
    Store("A3H", "7");
    Store("A3Str", "three.wav");
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    Type(IdOf(AlarmsControl::AlarmNumber), "3");
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmHour)), "7");
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmFile)), "three.wav");
    Click(IdOf(AlarmsControl::AlarmOn));  // "Alarm On"
    EXPECT_TRUE(s.Alarm3);
    EXPECT_FALSE(s.Alarm1);

    // Back from "Browse" (a window of the dialog's own) the editor still shows alarm 3.
    VisitOwnWindow();
    EXPECT_EQ(Alarms().Alarm(), 3);
    ChooserScript chooser;
    chooser.AnswerFile("C:\\sounds\\bell.wav");
    Click(IdOf(AlarmsControl::AlarmBrowse));
    EXPECT_EQ(s.A3Str, "C:\\sounds\\bell.wav");
    EXPECT_EQ(s.A1Str, "");
    chooser.AnswerFile(std::nullopt);
    Click(IdOf(AlarmsControl::AlarmBrowse));
    EXPECT_EQ(s.A3Str, "C:\\sounds\\bell.wav");

    Type(IdOf(AlarmsControl::AlarmNumber), "9");
    EXPECT_EQ(Alarms().Alarm(), 5) << "held to 1 to 5";
}

TEST_F(AlarmsDialogTest, TestPlaysOnceToTheEndAndNeverHoldsTheWindow) {
    Store("C1Str", "chime.wav");
    Store("ChimeNum", "true");
    Start();
    Open();
    RecordingPlayer recorder;
    Clock().Bell().UsePlayer(recorder);
    Click(IdOf(AlarmsControl::SoundTest, 2));  // the hour chime's "test"
    EXPECT_EQ(recorder.played, (std::vector<SoundRequest>{{"chime.wav", 1, true}}));

    // A sound of three seconds plays on its own thread.
    TPlayFile slow(&ThreeSecondSound);
    Clock().Bell().UsePlayer(slow);
    const auto start = std::chrono::steady_clock::now();
    Click(IdOf(AlarmsControl::SoundTest, 2));
    DWORD_PTR answer = 0;
    EXPECT_TRUE(
        SendMessageTimeoutA(Dialog().Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2))
        << "not the sound's three";
}

// The stored default hour 0 (midnight) became 1 a.m. at every start.
TEST_F(AlarmsDialogTest, OpeningAndClosingChangesNoStoredHour) {
    Store("A1H", "0");
    Store("A2H", "15");
    Start();
    Open();
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmHour)), "12") << "midnight, said the field's way";
    Type(IdOf(AlarmsControl::AlarmNumber), "2");
    EXPECT_EQ(Text(IdOf(AlarmsControl::AlarmHour)), "12");
    SendMessageA(Dialog().Window(), WM_CLOSE, 0, 0);
    Stop();
    EXPECT_EQ(Stored("A1H"), "0");
    EXPECT_EQ(Stored("A2H"), "15");
}

// The live clock, its timers running and its time going on with the test's, rings two alarms set
// in the editor to ring until stopped: each comes up beside the clock within two seconds of its
// minute without taking the focus, rings again and again until answered, and is silent once
// answered; the one with no file rings with the built-in sound. What the editor set is stored
// under the program's subkey, and the clock's key holds none of it.
TEST_F(AlarmsDialogTest, AnAlarmThatRingsUntilStoppedComesUpBesideTheClockUntilAnswered) {
    Store("Alarm1", "true");
    Store("A1H", "10");
    Store("A1M", "16");
    Store("A1Str", "wake.wav");
    Store("Alarm2", "true");
    Store("A2H", "10");
    Store("A2M", "19");
    Store("Alarm3", "true");
    Store("A3H", "10");
    Store("A3M", "17");
    Store("Alarm4", "true");
    Store("A4H", "10");
    Store("A4M", "18");
    Start();
    TPlayFile bell(&TimedBell, MAKEINTRESOURCEA(IDR_ALARM_SOUND));
    Clock().Bell().UsePlayer(bell);
    Open();
    Click(IdOf(AlarmsControl::AlarmRing));
    Click(IdOf(AlarmsControl::AlarmDay, 6));  // not on Sundays
    TypeKeys(IdOf(AlarmsControl::AlarmLabel), "Wake up", 30);
    for (const char* number : {"2", "3", "4"}) {
        Type(IdOf(AlarmsControl::AlarmNumber), number);
        Click(IdOf(AlarmsControl::AlarmRing));
    }
    HWND typingIn = Control(IdOf(AlarmsControl::AlarmLabel));
    SetFocus(typingIn);

    const auto runUntil = [&](auto condition, DWORD ms) {
        for (DWORD passed = 0; passed < ms && !condition(); passed += 50) {
            Wait(50);
            AdvanceClock(50);
        }
        return condition();
    };
    const auto ringing = [&] {
        return app_->FirstClock().Alarm() && app_->FirstClock().Alarm()->IsVisible();
    };
    // A button clicked, or Escape or Enter pressed in the window with the focus on Snooze.
    const auto answer = [&](int how) {
        HWND window = app_->FirstClock().Alarm()->Window();
        if (how == VK_ESCAPE || how == VK_RETURN) {
            SetForegroundWindow(window);
            SetFocus(GetDlgItem(window, AlarmWindow::kSnooze));
            PressKey(WPARAM(how));
        } else {
            SendDlgItemMessageA(window, how, BM_CLICK, 0, 0);
            Pump();
        }
    };
    const struct {
        int minute;
        std::atomic<int>& plays;
        int answer;
        std::string tip;
    } alarms[] = {
        {16, g_wakePlays, AlarmWindow::kDismiss, ", alarm ringing: 10:16, Wake up"},
        {17, g_builtInPlays, VK_ESCAPE, ", alarm ringing: 10:17, Alarm 3"},
        {18, g_builtInPlays, VK_RETURN, ", alarm ringing: 10:18, Alarm 4"},
        {19, g_builtInPlays, AlarmWindow::kSnooze, ", alarm ringing: 10:19, Alarm 2"},
    };
    for (const auto& alarm : alarms) {
        const int playedBefore = alarm.plays;
        time_.time.minute = uint16_t(alarm.minute - 1);
        time_.time.second = 58;
        ASSERT_TRUE(runUntil(ringing, 5000)) << alarm.minute;
        EXPECT_EQ(time_.time.minute, alarm.minute);
        EXPECT_LT(time_.time.second, 2) << "within two seconds of its minute";
        RECT shown{}, clock = WindowRect(ClockHwnd());
        GetWindowRect(app_->FirstClock().Alarm()->Window(), &shown);
        EXPECT_FALSE(IntersectRect(&shown, &shown, &clock)) << "beside the clock, not over it";
        EXPECT_EQ(GetFocus(), typingIn) << "the keys stay where they were";
        const std::string tip = Clock().Tray().Tip();
        EXPECT_NE(tip.find(alarm.tip), std::string::npos) << tip;
        if (alarm.minute == 16) {
            ScreenReader reader([&] { Pump(); });
            EXPECT_EQ(reader.RolesAndNames({app_->FirstClock().Alarm()->Window()}).at(0),
                      std::to_string(ROLE_SYSTEM_ALERT) + "\tMarvix alarm: 10:16, Wake up");
        }
        EXPECT_TRUE(runUntil([&] { return alarm.plays >= playedBefore + 2; }, 3000))
            << "again each time it ends";
        answer(alarm.answer);  // the alarm window is active for a click or a key
        EXPECT_FALSE(ringing());
        EXPECT_EQ(app_->FirstClock().Model().Sounds().bell.GetState() == AlarmBell::State::Snoozed,
                  alarm.answer == AlarmWindow::kSnooze)
            << "Escape and Enter dismiss, even with the focus on Snooze";
        const int plays = alarm.plays;
        Wait(400);
        EXPECT_EQ(alarm.plays, plays) << "silent once answered";
        EXPECT_EQ(GetFocus(), typingIn) << "answered, the keys go back where they went";
    }

    // Snoozed, the tip named the next alarm rather than the snooze: alarm 2 rings again at 10:29.
    const std::string snoozed = Clock().Tray().Tip();
    EXPECT_NE(snoozed.find(", alarm snoozed until 10:29"), std::string::npos) << snoozed;

    // The settled save has written the subkey while the clock ran; the exit save keeps it.
    Win32Registry program(kProgramKeyPath);
    EXPECT_EQ(program.ReadValue("Alarm1Label").text, "Wake up") << "saved once settled";
    Stop();
    EXPECT_EQ(program.ReadValue("Alarm1Ring").text, "true");
    EXPECT_EQ(program.ReadValue("Alarm1Days").text, "63");
    EXPECT_EQ(program.ReadValue("Alarm1Label").text, "Wake up");
    EXPECT_EQ(program.ReadValue("Alarm2Ring").text, "true");
    for (const SettingDef& own : ProgramSettings())
        EXPECT_EQ(Stored(std::string(own.name).c_str()), "<missing>") << own.name;
}

// An alarm that rings until stopped wakes the computer at first: the program's wake timer is set a
// minute before it, the window says why this computer cannot wake (Wine ignores the resume flag),
// the wake moves with the alarm at once, and goes with the box unticked.
TEST_F(AlarmsDialogTest, AnAlarmThatWakesTheComputerSaysWhyItCannot) {
    Start();
    Open();
    const auto ticked = [&](AlarmsControl box) {
        return SendMessageA(Control(IdOf(box)), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    ProgramWake& wake = app_->Timers().Wake();
    Type(IdOf(AlarmsControl::AlarmHour), "11");
    Type(IdOf(AlarmsControl::AlarmMinute), "30");
    Click(IdOf(AlarmsControl::AlarmOn));
    EXPECT_FALSE(ticked(AlarmsControl::AlarmWake)) << "an alarm that sounds once wakes nobody";
    EXPECT_FALSE(wake.SetFor());
    Click(IdOf(AlarmsControl::AlarmRing));  // the program's own wake timer, as Wine answers it
    EXPECT_TRUE(ticked(AlarmsControl::AlarmWake));
    EXPECT_EQ(wake.SetFor(), MillisecondsSince1970({2026, 12, 7, 1, 11, 29}));
    const std::string sentence = Text(IdOf(AlarmsControl::WakeSentence));
    EXPECT_EQ(sentence.rfind(std::string(kCannotWake) + ": Windows ignored", 0), 0u) << sentence;

    RecordingWakeTimer timer;
    wake.UseTimer(timer);
    Type(IdOf(AlarmsControl::AlarmMinute), "45");
    EXPECT_EQ(timer.set, (std::vector<int64_t>{MillisecondsSince1970({2026, 12, 7, 1, 11, 44})}))
        << "set again as the alarm changed";
    Click(IdOf(AlarmsControl::AlarmWake));
    EXPECT_EQ(Clock().Settings().Wake1, 0);
    EXPECT_EQ(timer.cancelled, 1);
    EXPECT_EQ(Text(IdOf(AlarmsControl::WakeSentence)), "");
}

// The quiet hours typed in the window keep the live clock's hour chime to itself; an alarm in
// them still rings.
TEST_F(AlarmsDialogTest, QuietHoursSilenceTheChimeButNotTheAlarm) {
    StartWithHourChimeAndAlarm("11", "0");
    Open();
    Type(IdOf(AlarmsControl::QuietFrom), "10:00");
    Type(IdOf(AlarmsControl::QuietTo), "12:00");
    time_.time.minute = 59, time_.time.second = 58;
    Wait(600);
    time_.time.hour = 11, time_.time.minute = 0, time_.time.second = 1;
    EXPECT_TRUE(WaitFor([&] { return !player.rung.empty(); }, 2000)) << "the alarm rings";
    EXPECT_TRUE(player.played.empty()) << "no chime of eleven";
}

// Asleep over its minute for hours, an alarm that rings until stopped rings once when the computer
// wakes, saying when it was due; the chimes that fell due are not played late.
TEST_F(AlarmsDialogTest, AnAlarmMissedInASleepRingsOnWakingSayingWhenItWasDue) {
    StartWithHourChimeAndAlarm("10", "20");
    Wait(300);
    SendMessageA(app_->Owner(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    time_.time.hour = 13, time_.time.minute = 5;
    SendMessageA(app_->Owner(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    ASSERT_TRUE(WaitFor([&] { return app_->FirstClock().Alarm(); }, 2000));
    Wait(300);
    char note[200] = {};
    GetDlgItemTextA(app_->FirstClock().Alarm()->Window(), AlarmWindow::kNote, note, sizeof note);
    EXPECT_EQ(std::string(note), "Due at 10:20 on Monday, while the clock could not ring.");
    EXPECT_EQ(player.rung.size(), 1u);
    EXPECT_TRUE(player.played.empty()) << "no chime of eleven, twelve or one";
}

}  // namespace
}  // namespace marvix
