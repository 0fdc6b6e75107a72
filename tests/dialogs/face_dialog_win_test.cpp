// The face dialog under Wine, driven by the messages a user's actions produce, with the file
// chooser scripted.
#include <windows.h>

#include <algorithm>
#include <string>

#include "../support/dialog_fixture_win.h"
#include "../support/programs_win.h"
#include "../support/test_bitmaps.h"
#include "base/bitmap_file.h"
#include "dialogs/configurations_dialog_win.h"
#include "dialogs/face_dialog.h"
#include "windows/choosers_win.h"
#include "windows/login_start.h"

namespace marvix {
namespace {

class FaceDialogTest : public DialogFixture {
protected:
    FaceDialogTest() : DialogFixture(DialogId::Face) {}

    // Item `item` of a radio group, counted from 0.
    void ClickRadio(ControlId group, int item) {
        HWND first = Control(group);
        HWND radio = GetDlgItem(Dialog().Window(), GetDlgCtrlID(first) + item);
        SendMessageA(radio, BM_CLICK, 0, 0);
        Pump();
    }
    Size ClientSize() {
        RECT client;
        GetClientRect(ClockHwnd(), &client);
        return {client.right, client.bottom};
    }
    static bool Contains(HWND window, int x, int y) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const bool inside = GetWindowRgn(window, region) != ERROR && PtInRegion(region, x, y);
        DeleteObject(region);
        return inside;
    }
};

TEST_F(FaceDialogTest, CornerSizeIsHeldBetweenNothingAndTheFaceWidth) {
    Store("CShape", "2");  // "Both", the shape with rounded corners
    Start();
    Open();
    Type(IdOf(FaceControl::CornerSize), "500");
    EXPECT_EQ(Clock().Settings().RSqr, 200);
    Leave(IdOf(FaceControl::CornerSize));
    EXPECT_EQ(Text(IdOf(FaceControl::CornerSize)), "200");
    // No number, or a minus where there are no negatives: the setting keeps its value (it used to
    // store 0), and leaving the field shows it again.
    for (const char* typed : {"-5", "", "7x"}) {
        Type(IdOf(FaceControl::CornerSize), typed);
        EXPECT_EQ(Clock().Settings().RSqr, 200) << '"' << typed << '"';
    }
    Leave(IdOf(FaceControl::CornerSize));
    EXPECT_EQ(Text(IdOf(FaceControl::CornerSize)), "200");
}

// Keys that make no number leave the clock where it is: "abc" in Left used to store 0 and move the
// clock to the screen's edge, an emptied Top the same.
TEST_F(FaceDialogTest, KeysThatMakeNoNumberLeaveTheClockWhereItIs) {
    Store("FL", "300");
    Store("FT", "200");
    Start();
    Open();
    const RECT before = WindowRect(ClockHwnd());
    TypeKeys(IdOf(FaceControl::Left), "abc", 30);
    EXPECT_EQ(Text(IdOf(FaceControl::Left)), "300") << "letters never go into a number field";
    TypeKeys(IdOf(FaceControl::Left), "4x-", 30);
    EXPECT_EQ(Text(IdOf(FaceControl::Left)), "4") << "nor a minus where there are no negatives";
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Text(IdOf(FaceControl::Left)), "300") << "Escape puts back the value it had";
    EXPECT_EQ(Clock().Settings().FL, 300);
    EXPECT_TRUE(Dialog().IsVisible()) << "Escape in a field typed in does not close the window";
    TypeKeys(IdOf(FaceControl::Top), "\b", 30);  // all of it selected, then Backspace
    EXPECT_EQ(Text(IdOf(FaceControl::Top)), "");
    EXPECT_EQ(Clock().Settings().FL, 300);
    EXPECT_EQ(Clock().Settings().FT, 200);
    const RECT after = WindowRect(ClockHwnd());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    Leave(IdOf(FaceControl::Top));
    EXPECT_EQ(Text(IdOf(FaceControl::Top)), "200") << "the clock's own value, back";

    // The tooltip gives the bounds, which follow the screen, after what a terse caption means.
    EXPECT_EQ(Dialog().Tip(IdOf(FaceControl::Top)),
              "From 0 to " + std::to_string(GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1));
    EXPECT_EQ(Dialog().Tip(IdOf(FaceControl::SnapshotWidth)),
              "Width of the snapshot face, in pixels. From 8 to " +
                  std::to_string(Clock().Parts().place.ScreenArea().width));
    EXPECT_EQ(Dialog().Tip(IdOf(FaceControl::UseWallpaper)),
              "Take a new snapshot of the desktop behind the clock at every start");
    SetFocus(Control(IdOf(FaceControl::Left)));
    PressKey(VK_ESCAPE);  // a field as it was: Escape closes the window
    EXPECT_FALSE(Dialog().IsVisible());
}

// "99999" in Left used to show 1023 while the clock sat at 824, against the screen's edge.
TEST_F(FaceDialogTest, LeftAndTopShowWhereTheScreenClampPutTheClock) {
    Start();
    Open();
    Type(IdOf(FaceControl::Left), "99999");
    Leave(IdOf(FaceControl::Left));
    Clock().Ticker().Tick();  // the clamp
    const RECT frame = WindowRect(ClockHwnd());
    ASSERT_LT(frame.left, 1023) << "held on the screen";
    EXPECT_EQ(Text(IdOf(FaceControl::Left)), std::to_string(frame.left));
    EXPECT_EQ(Text(IdOf(FaceControl::Top)), std::to_string(frame.top));
}

TEST_F(FaceDialogTest, PickedFacesAreTestedFittedAndNeverMoveTheCurrentFolder) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string configs = std::string(temp) + "marvix-configs";
    CreateDirectoryA(configs.c_str(), nullptr);
    SetCurrentDirectoryA(configs.c_str());
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    ChooserScript chooser;

    Picture colourful{50, 50, std::vector<uint32_t>(2500, 0x336699)};
    const std::vector<uint8_t> bytes = EncodeBitmapFile24(colourful);
    chooser.AnswerFile(WriteTempFile("marvix-24bit.bmp", bytes));
    Click(IdOf(FaceControl::ChooseFace));
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"Clock face bmp cannot have more than 256 colors."});
    EXPECT_EQ(ClientSize(), (Size{200, 200}));
    EXPECT_EQ(Clock().Face().Pictures().face->GetSize(), (Size{200, 200}));
    EXPECT_EQ(s.BackPic, "");

    const std::string wide = WriteTempFile("marvix-2000x100.bmp", SolidBitmap(2000, 100, 0xFFFFFF));
    chooser.AnswerFile(wide);
    Click(IdOf(FaceControl::ChooseFace));
    EXPECT_EQ(ClientSize(), (Size{100, 100})) << "the fallback face";
    EXPECT_FALSE(Contains(ClockHwnd(), 1, 1)) << "still round";
    EXPECT_TRUE(Contains(ClockHwnd(), 50, 50));
    EXPECT_EQ(s.BackPic, wide);
    EXPECT_EQ(s.DDir + "\\marvix-2000x100.bmp", wide) << "browsed there";
    // They showed 200 x 200 for the face that had replaced it, and no name said which it was.
    EXPECT_EQ(Text(IdOf(FaceControl::SnapshotWidth)), "100");
    EXPECT_EQ(Text(IdOf(FaceControl::SnapshotHeight)), "100");
    EXPECT_EQ(Text(IdOf(FaceControl::FaceName)), "Face: marvix-2000x100.bmp");

    auto& configurations =
        static_cast<ConfigurationsWindow&>(app_->FirstClock().Dialog(DialogId::Configurations));
    SetDlgItemTextA(configurations.Window(), ConfigurationsWindow::kNameBox, "after-face");
    configurations.SaveUnderTypedName();
    EXPECT_NE(GetFileAttributesA((configs + "\\after-face.ccf").c_str()), INVALID_FILE_ATTRIBUTES)
        << "saved in the configurations' folder";
}

TEST_F(FaceDialogTest, TransparentSizesAndTheWindowPosition) {
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    ClickRadio(IdOf(FaceControl::Stacking), 0);  // "Top"
    ClickRadio(IdOf(FaceControl::Stacking), 2);  // "Bottom"
    EXPECT_EQ(s.FacePos, 2);
    SendMessageA(Dialog().Window(), WM_CLOSE, 0, 0);
    // Another program's window opened over the clock stays over it, tick after tick.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    Clock().Ticker().Tick();
    Pump();
    bool otherAbove = false;
    for (HWND above = GetWindow(ClockHwnd(), GW_HWNDPREV); above;
         above = GetWindow(above, GW_HWNDPREV)) {
        otherAbove = otherAbove || above == other;
    }
    EXPECT_TRUE(otherAbove);
    EXPECT_FALSE(GetWindowLongA(ClockHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(other);
    Open();

    // Without the snapshot face the size does nothing: the field is greyed, and the clock keeps
    // its size.
    EXPECT_FALSE(IsWindowEnabled(Control(IdOf(FaceControl::SnapshotWidth))));
    Type(IdOf(FaceControl::SnapshotWidth), "150");
    Leave(IdOf(FaceControl::SnapshotWidth));
    EXPECT_EQ(ClientSize(), (Size{200, 200}));
    Click(IdOf(FaceControl::UseWallpaper));
    Type(IdOf(FaceControl::SnapshotWidth), "120");
    EXPECT_EQ(ClientSize().width, 200) << "not while typing";
    Leave(IdOf(FaceControl::SnapshotWidth));
    EXPECT_EQ(ClientSize().width, 120);
    EXPECT_EQ(s.ACX.requested, 60);
    // Unticked, the clock has its own face back: it used to say "Face: built in" and keep the
    // snapshot.
    Click(IdOf(FaceControl::UseWallpaper));
    EXPECT_FALSE(s.UseWall);
    EXPECT_EQ(ClientSize(), (Size{200, 200}));
    EXPECT_EQ(Clock().Face().Pictures().face->PixelAt(100, 100), 0x800000u) << "the built-in face";
}

// Each key typed into "TWidth" resized the clock and took a snapshot, which activated the clock
// and refilled the field: "150" was stored as 8, "250" became "2508" (a clock as wide as the
// screen), and the next tick clamped every placed display into the 8-pixel sliver, for good.
TEST_F(FaceDialogTest, ASnapshotSizeTypedKeyByKeyAppliesOnlyWhenTyped) {
    Start();
    Open();
    const ClockSettings& s = Clock().Settings();
    Click(IdOf(FaceControl::UseWallpaper));  // the snapshot face
    ASSERT_TRUE(s.UseWall);
    Size largest{};
    afterEachKey_ = [&] {
        largest = {std::max(largest.width, ClientSize().width),
                   std::max(largest.height, ClientSize().height)};
    };
    for (const char* typed : {"150", "250"}) {
        TypeKeys(IdOf(FaceControl::SnapshotWidth), typed, 200);
        EXPECT_EQ(Text(IdOf(FaceControl::SnapshotWidth)), typed);
        PressKey(VK_RETURN);
        EXPECT_EQ(s.TranWidth, std::stoi(typed));
        EXPECT_EQ(ClientSize().width, std::stoi(typed));
        EXPECT_EQ(GetFocus(), Control(IdOf(FaceControl::SnapshotWidth)))
            << "the keys still go to the field";
    }
    PressKey(VK_UP);  // the arrows step the size, and apply it at once
    EXPECT_EQ(s.TranWidth, 251);
    EXPECT_EQ(ClientSize().width, 251);
    EXPECT_LE(largest.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(largest.height, GetSystemMetrics(SM_CYSCREEN));
    Stop();
    for (const char* place : {"PDX", "PDY", "PX", "PY", "PMnX", "PMnY", "PYrX", "PYrY", "PHrX",
                              "PHrY", "PMinX", "PSecX", "PColon1X", "PColon2X"}) {
        EXPECT_EQ(Stored(place), FindSetting(place)->defaultText) << place;
    }
    EXPECT_EQ(Stored("TranWidth"), "251");
}

// The live refresh took the user's own keys for a drag of the clock and showed the place it had
// just moved to, the caret back at the start: "140" became 408, and 408 was stored.
TEST_F(FaceDialogTest, LeftTypedKeyByKeyWhileTheClockTicksKeepsEveryKey) {
    Start();
    Open();
    for (DWORD msPerKey : {200u, 300u}) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            TypeKeys(IdOf(FaceControl::Left), "140", msPerKey);
            EXPECT_EQ(Text(IdOf(FaceControl::Left)), "140")
                << msPerKey << " ms a key, try " << attempt;
            EXPECT_EQ(Clock().Settings().FL, 140) << msPerKey << " ms a key, try " << attempt;
        }
    }
    EXPECT_EQ(WindowRect(ClockHwnd()).left, 140);
}

// The fields used to run their handlers when the drag showed in them: "Left" would have held a
// clock dragged to x = 3 at 8.
TEST_F(FaceDialogTest, DraggingTheClockOnlyShowsInLeftAndTop) {
    Store("IgnoreBoundary", "true");
    Start();
    Open();
    const RECT before = WindowRect(ClockHwnd());
    SetCursorPos(before.left + 100, before.top + 100);
    SendMessageA(ClockHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    SetCursorPos(103, before.top + 130);
    SendMessageA(ClockHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 130));
    SendMessageA(ClockHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(100, 130));
    EXPECT_EQ(Clock().Settings().FL, 3);
    EXPECT_EQ(WindowRect(ClockHwnd()).left, 3);
    EXPECT_EQ(Text(IdOf(FaceControl::Left)), "3");
    EXPECT_EQ(Text(IdOf(FaceControl::Top)), std::to_string(before.top + 30));
}

// After Ctrl and the wheel the field kept its old number, and its arrows stepped from it: one
// click took a clock of 120 % to 101 %.
TEST_F(FaceDialogTest, SizeShowsWhatCtrlAndTheWheelMadeAndItsArrowsStepFromThere) {
    Start();
    Open();
    for (int notch = 0; notch < 2; ++notch)
        SendMessageA(ClockHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
    EXPECT_EQ(Text(IdOf(FaceControl::Size)), "120");
    HWND arrows = GetWindow(Control(IdOf(FaceControl::Size)), GW_HWNDNEXT);
    SendMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));  // the upper arrow
    SendMessageA(arrows, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
    Leave(IdOf(FaceControl::Size));
    EXPECT_EQ(Clock().Settings().Size, 121);
}

// The box re-activated the dialog, which filled it again and showed the box again.
TEST_F(FaceDialogTest, AFolderThatIsGoneIsReportedOnce) {
    Store("DDir", "C:\\marvix-no-such-folder");
    Start();
    EXPECT_TRUE(messages_.Texts().empty()) << "not at start";
    for (int activation = 0; activation < 3; ++activation) {
        Open();
        SetActiveWindow(ClockHwnd());
        Pump();
    }
    EXPECT_EQ(messages_.Texts(),
              std::vector<std::string>{"Cannot locate directory C:\\marvix-no-such-folder"});
}

bool g_clockShown = false;
LRESULT CALLBACK WatchShowing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    char name[16] = {};
    if (code == HC_ACTION && message->message == WM_SHOWWINDOW && message->wParam) {
        GetClassNameA(message->hwnd, name, sizeof name);
        g_clockShown = g_clockShown || std::string(name) == "TForm1";
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Filling stored what the fields could show and re-applied the z-position, which showed a clock
// started in the tray.
TEST_F(FaceDialogTest, OpeningTheDialogOfAClockInTheTrayChangesNothing) {
    Store("FL", "3");
    Store("FT", "-20");
    Store("IgnoreBoundary", "true");
    Store("CShape", "5");
    Store("Tray", "true");
    g_clockShown = false;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchShowing, nullptr, GetCurrentThreadId());
    Start();
    Open();
    for (int item = 0; item < 3; ++item) {
        HWND radio =
            GetDlgItem(Dialog().Window(), GetDlgCtrlID(Control(IdOf(FaceControl::Shape))) + item);
        EXPECT_EQ(SendMessageA(radio, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "shape 5 has no button";
    }
    SendMessageA(Dialog().Window(), WM_CLOSE, 0, 0);
    Stop();
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(g_clockShown);
    EXPECT_EQ(Stored("FL"), "3");
    EXPECT_EQ(Stored("FT"), "-20");
    EXPECT_EQ(Stored("CShape"), "5");
}

// A clock hidden by a double click has its timers stopped: shown by "Top" or a loaded
// configuration, it came back frozen, and the tray icon could no longer bring it back.
TEST_F(FaceDialogTest, AClockHiddenInTheTrayStaysThereUntilItsIconIsClicked) {
    Start();
    SendMessageA(ClockHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 100));
    Open();
    ClickRadio(IdOf(FaceControl::Stacking), 0);  // "Top"
    EXPECT_EQ(Clock().Settings().FacePos, 0);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "marvix-top.ccf";
    ASSERT_TRUE(Clock().Parts().files.SaveConfiguration(file));
    ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(file));
    EXPECT_FALSE(IsWindowVisible(ClockHwnd()));
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(ClockHwnd()));
    EXPECT_TRUE(Clock().Ticker().Schedule().Running());
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// "Start with Windows" is the user's Run value for this very program, and no clock setting.
TEST_F(FaceDialogTest, StartWithWindowsWritesAndRemovesTheRunValueForThisProgram) {
    struct RunValueRemovedAfterwards {
        ~RunValueRemovedAfterwards() { RemoveRunValue(); }
    } cleanup;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    SetRunValue("\"C:\\An old copy\\marvix.exe\"");
    Start();
    Open();
    HWND box = Control(IdOf(FaceControl::StartWithWindows));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "a moved copy's value is off";

    Click(IdOf(FaceControl::StartWithWindows));
    EXPECT_EQ(RunValue(), "\"" + std::string(self) + "\"") << "replaced by this program's";
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    Stop();
    EXPECT_EQ(Stored(kRunValueName), "<missing>") << "not among the clock's values";

    Start();
    Open();
    box = Control(IdOf(FaceControl::StartWithWindows));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED) << "shown as the key has it";
    Click(IdOf(FaceControl::StartWithWindows));
    EXPECT_EQ(RunValue(), "");
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
}  // namespace marvix
