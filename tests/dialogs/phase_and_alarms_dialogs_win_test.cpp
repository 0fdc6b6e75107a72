// The phase and alarms/sounds dialogs under Wine, driven by the messages a user's actions
// produce, with the choosers scripted and the sounds recorded.
#include <windows.h>

#include <chrono>

#include "../support/dialog_fixture_win.h"
#include "../support/process_counters_win.h"
#include "../support/recording_player.h"
#include "../support/test_bitmaps.h"
#include "dialogs/alarms_dialog.h"
#include "dialogs/alarms_dialog_win.h"
#include "dialogs/phase_dialog.h"
#include "windows/choosers_win.h"

namespace marvix {
namespace {

BOOL WINAPI ThreeSecondSound(LPCSTR, HMODULE, DWORD) {
    Sleep(3000);
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
    const GdiSurface& frame = Clock().Pictures().display;
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
    const Size screen = Clock().ScreenArea();
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
    Clock().UsePlayer(recorder);
    Click(IdOf(AlarmsControl::SoundTest, 2));  // the hour chime's "test"
    EXPECT_EQ(recorder.played, (std::vector<SoundRequest>{{"chime.wav", 1, true}}));

    // A sound of three seconds plays on its own thread.
    TPlayFile slow(&ThreeSecondSound);
    Clock().UsePlayer(slow);
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

}  // namespace
}  // namespace marvix
