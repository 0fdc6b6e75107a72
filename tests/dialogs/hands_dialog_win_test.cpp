// The hands dialog under Wine, driven by the messages a user's actions produce, with the colour
// chooser scripted.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include "../support/dialog_fixture_win.h"
#include "../support/screen_reader_win.h"
#include "../support/test_bitmaps.h"
#include "dialogs/digital_dialog.h"
#include "dialogs/face_dialog.h"
#include "dialogs/hands_dialog.h"
#include "dialogs/hands_dialog_win.h"
#include "digital/digital_displays.h"
#include "frame/face_layout.h"
#include "hands/hand_family.h"
#include "settings/settings_table.h"
#include "windows/choosers_win.h"

namespace marvix {
namespace {

class HandsDialogTest : public DialogFixture {
protected:
    HandsDialogTest() : DialogFixture(DialogId::Hands) {}
    HandsWindow& OpenHands() { return static_cast<HandsWindow&>(Open()); }
    // The mouse over the Order list: down on one item, moved and up on another.
    void DragOrder(int from, int to) {
        HWND list = Control(IdOf(HandsControl::Order));
        RECT a{}, b{};
        SendMessageA(list, LB_GETITEMRECT, WPARAM(from), LPARAM(&a));
        SendMessageA(list, LB_GETITEMRECT, WPARAM(to), LPARAM(&b));
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.left + 4, a.top + 2));
        SendMessageA(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(b.left + 4, b.top + 2));
        SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(b.left + 4, b.top + 2));
    }
    std::vector<std::string> Order() {
        std::vector<std::string> order;
        for (const std::string& token : StackingOrder(Clock().Settings())) order.push_back(token);
        return order;
    }
};

TEST_F(HandsDialogTest, TypedLengthsAreHeldToTheirBoundsAndTheNextTickDecides) {
    Store("BackPic", WriteTempFile("marvix-200x150.bmp", SolidBitmap(200, 150, 0x203040)));
    Store("AutoHand", "false");
    Start();
    OpenHands();
    const ClockSettings& s = Clock().Settings();

    Type(IdOf(HandsControl::Length, Hand::Hour), "300");
    EXPECT_EQ(s.AHS.requested, 200) << "capped at the larger side of the face";
    Leave(IdOf(HandsControl::Length, Hand::Hour));
    // The field shows the length the hand is drawn at: 200 does not fit the smaller side, so the
    // hands take their automatic lengths (it used to show 200, a length no hand had).
    EXPECT_EQ(Text(IdOf(HandsControl::Length, Hand::Hour)), "30");
    Clock().Ticker().Tick();
    const HandGeometry& hands = Clock().Model().Layout().hands;
    EXPECT_EQ(hands.lengths[0], 150 / 5) << "200 does not fit the smaller side: automatic lengths";
    EXPECT_EQ(hands.lengths[1], 150 / 3);

    // Typed at the keys, "7x" and "-5" are 7 and 5: the letter and the minus never go in (they
    // used to make 0, and the hand vanished).
    for (const char* typed : {"7x", "-5"}) {
        TypeKeys(IdOf(HandsControl::Length, Hand::Hour), typed, 30);
        const std::string digit(1, typed[1] == 'x' ? typed[0] : typed[1]);
        EXPECT_EQ(Text(IdOf(HandsControl::Length, Hand::Hour)), digit) << typed;
        EXPECT_EQ(s.AHS.requested, std::stoi(digit)) << typed;
    }
    Type(IdOf(HandsControl::Length, Hand::Hour), "200");
    // Text that is no length leaves the length alone (it used to store 0, and the hand vanished).
    Type(IdOf(HandsControl::Length, Hand::Hour), "abc");
    EXPECT_EQ(s.AHS.requested, 200);
    Leave(IdOf(HandsControl::Length, Hand::Hour));
    EXPECT_EQ(Text(IdOf(HandsControl::Length, Hand::Hour)), "30");
    Type(IdOf(HandsControl::Length, Hand::Hour), "99999999999");
    EXPECT_EQ(s.AHS.requested, 200);
    Type(IdOf(HandsControl::Width, Hand::Hour), "99999999999");  // the hour hand's width, 1 to 20
    EXPECT_EQ(s.HWT, 20);
    Leave(IdOf(HandsControl::Width, Hand::Hour));
    EXPECT_EQ(Text(IdOf(HandsControl::Width, Hand::Hour)), "20");
}

// A field that does nothing while its box is as it is goes grey, its arrows with it, and shows
// the value in force; ticking the box back brings it back.
TEST_F(HandsDialogTest, AFieldIsGreyedWhileItsBoxMakesItDoNothing) {
    const struct {
        DialogId dialog;
        ControlId box, field;
        bool greyedTicked;
    } cases[] = {
        {DialogId::Hands, IdOf(HandsControl::AutoSize), IdOf(HandsControl::Length, Hand::Minute),
         true},
        {DialogId::Hands, IdOf(HandsControl::Together), IdOf(HandsControl::Top, Hand::Day), true},
        {DialogId::Hands, IdOf(HandsControl::Centre), IdOf(HandsControl::CentreLeft), true},
        {DialogId::Face, IdOf(FaceControl::UseWallpaper), IdOf(FaceControl::SnapshotHeight), false},
        {DialogId::Digital, IdOf(DigitalControl::AutoPlace, Display::Day),
         IdOf(DigitalControl::Left, Display::Day), true},
    };
    Start();
    for (const auto& c : cases) {
        dialog_ = c.dialog;
        Open();
        const std::string where = Dialog().Layout().caption + (" " + std::to_string(c.box.role));
        HWND field = Control(c.field), arrows = GetWindow(field, GW_HWNDNEXT);
        for (int click = 0; click < 3; ++click) {
            const bool ticked = SendMessageA(Control(c.box), BM_GETCHECK, 0, 0) == BST_CHECKED;
            const bool greyed = ticked == c.greyedTicked;
            EXPECT_EQ(!IsWindowEnabled(field), greyed) << where << " click " << click;
            EXPECT_EQ(!IsWindowEnabled(arrows), greyed) << where << " click " << click;
            const SettingDef& def = DefOf(*FindRow(Dialog().Rows(), c.field)->setting);
            EXPECT_EQ(Text(c.field), std::to_string(ShownInteger(
                                         Clock().Settings(), Clock().Parts().look.Layout(), def)))
                << where << " shows the value in force";
            Click(c.box);
        }
    }
    // The corner size rounds only the shape with rounded corners, "Both".
    dialog_ = DialogId::Face;
    Open();
    HWND corner = Control(IdOf(FaceControl::CornerSize));
    EXPECT_FALSE(IsWindowEnabled(corner)) << "round";
    const int round = GetDlgCtrlID(Control(IdOf(FaceControl::Shape)));
    SendMessageA(GetDlgItem(Dialog().Window(), round + 2), BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(IsWindowEnabled(corner)) << "both";
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The arrows (the program's only common control) are made when the window first shows, next
// to their field, and a click on one is a user's change.
TEST_F(HandsDialogTest, ASpinEditsArrowsComeWithTheFirstShowingAndStepTheSetting) {
    Start();
    HWND field = Control(IdOf(HandsControl::Width, Hand::Hour));  // the hour hand's width, 1 to 20
    EXPECT_NE(ClassOf(GetWindow(field, GW_HWNDNEXT)), "msctls_updown32");

    OpenHands();
    HWND arrows = GetWindow(field, GW_HWNDNEXT);
    ASSERT_EQ(ClassOf(arrows), "msctls_updown32");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(arrows, UDM_GETBUDDY, 0, 0)), field);
    int low = 0, high = 0;
    SendMessageA(arrows, UDM_GETRANGE32, WPARAM(&low), LPARAM(&high));
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 20);

    ASSERT_EQ(Clock().Settings().HWT, 3);
    SendMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 2));  // the upper arrow
    SendMessageA(arrows, WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
    EXPECT_EQ(Text(IdOf(HandsControl::Width, Hand::Hour)), "4");
    EXPECT_EQ(Clock().Settings().HWT, 4);
}

TEST_F(HandsDialogTest, TogetherPutsEveryHandOnTheCommonPivotAndSmoothSetsTheTick) {
    Store("THand", "false");
    Store("HX", "5");
    Store("Internet2Y", "7");
    Start();
    OpenHands();
    const ClockSettings& s = Clock().Settings();
    ASSERT_EQ(Clock().Model().Layout().hands.centre, (Point{100, 100}));
    EXPECT_EQ(s.HX, 5) << "untouched while Together is off";

    Click(IdOf(HandsControl::Together));
    EXPECT_TRUE(s.THand);
    for (const HandSpec& hand : kHands) {
        EXPECT_EQ(s.*hand.x, 100) << hand.token;
        EXPECT_EQ(s.*hand.y, 100) << hand.token;
    }
    EXPECT_EQ(Text(IdOf(HandsControl::Left, Hand::Hour)), "100");
    EXPECT_EQ(Text(IdOf(HandsControl::Top, Hand::Internet2)), "100");

    Click(IdOf(HandsControl::Smooth));
    EXPECT_TRUE(s.Smooth);
    EXPECT_EQ(Clock().Ticker().Schedule().Step(), 10u);
    Click(IdOf(HandsControl::Smooth));
    EXPECT_EQ(Clock().Ticker().Schedule().Step(), 250u);
}

TEST_F(HandsDialogTest, DraggingOneOrderItemOntoAnotherSwapsThemAndResetRestores) {
    Start();
    OpenHands();
    const std::vector<std::string> original = Order();
    DragOrder(2, 0);  // "Hour" onto "Sec"
    EXPECT_EQ(Order(), (std::vector<std::string>{"Hour", "Min", "Sec", "Dat", "Day", "Mon", "Int2",
                                                 "Int1"}));
    char first[16] = {};
    SendMessageA(Control(IdOf(HandsControl::Order)), LB_GETTEXT, 0, LPARAM(first));
    EXPECT_STREQ(first, "Hour");

    // A button pressed elsewhere and released over the list swaps nothing.
    SendMessageA(Control(IdOf(HandsControl::Order)), WM_LBUTTONUP, 0, MAKELPARAM(4, 2));
    EXPECT_EQ(Order()[0], "Hour");

    Click(IdOf(HandsControl::ResetOrder));
    EXPECT_EQ(Order(), original);
}

// By keyboard alone: Space on a colour panel opens its chooser, and the panel then tells a screen
// reader its new colour; in the Order list the arrows only select, Ctrl and an arrow swap.
TEST_F(HandsDialogTest, SpaceOpensAColourPanelAndCtrlArrowsMoveAHandInTheOrder) {
    Start();
    OpenHands();
    ChooserScript chooser;
    chooser.AnswerColour(Colour{0x0000FF00});
    SetFocus(Control(IdOf(HandsControl::Colour, Hand::Hour)));
    PressKey(VK_SPACE);
    EXPECT_EQ(chooser.Opened(), 1);
    EXPECT_EQ(Clock().Settings().CHourStr.text, "clLime");
    ScreenReader reader([this] { Pump(); });
    EXPECT_EQ(
        reader.RolesAndNames({Control(IdOf(HandsControl::Colour, Hand::Hour))}),
        std::vector<std::string>{std::to_string(ROLE_SYSTEM_PUSHBUTTON) + "\tHour Color, lime"});

    HWND list = Control(IdOf(HandsControl::Order));
    SetFocus(list);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    PressKey(VK_DOWN);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
    const std::vector<std::string> defaults{"Sec", "Min", "Hour", "Dat",
                                            "Day", "Mon", "Int2", "Int1"};
    EXPECT_EQ(Order(), defaults) << "an arrow alone swaps nothing";
    WithKeyHeld(VK_CONTROL, [this] { PressKey(VK_DOWN); });
    EXPECT_EQ(Order(), (std::vector<std::string>{"Sec", "Hour", "Min", "Dat", "Day", "Mon", "Int2",
                                                 "Int1"}));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 2) << "the selection goes with the hand";
}

TEST_F(HandsDialogTest, AColourPickedIsStoredByNameAndACancelWritesNothing) {
    Store("CMinStr", "clBtnFace");
    Start();
    OpenHands();
    ClockSettings& s = Clock().Parts().model.Edit();
    ChooserScript chooser;

    chooser.AnswerColour(Colour{0x000000FF});
    Click(IdOf(HandsControl::Colour, Hand::Hour));
    EXPECT_EQ(s.CHourStr.text, "clRed");
    EXPECT_EQ(s.CHourStr.value, Colour{0x000000FF});

    chooser.AnswerColour(std::nullopt);
    Click(IdOf(HandsControl::Colour, Hand::Minute));
    EXPECT_EQ(chooser.Opened(), 2);
    EXPECT_EQ(chooser.LastInitialColour(), Colour{0x8000000F}) << "opened with the system colour";
    EXPECT_EQ(s.CMinStr.text, "clBtnFace");
    EXPECT_EQ(s.CMinStr.value, Colour{0x8000000F});

    // A text that names no colour: reported once, the rest filled, the text kept.
    s.CSecStr.text = "Bleu";
    s.HWT = 9;
    app_->FirstClock().Dialog(DialogId::Hands).ShowSettings();
    app_->FirstClock().Dialog(DialogId::Hands).ShowSettings();
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"'Bleu' is not a valid integer value"});
    EXPECT_EQ(s.CSecStr.text, "Bleu");
    EXPECT_EQ(Text(IdOf(HandsControl::Width, Hand::Hour)), "9");
}

// Filling at start and at every activation used to store what the fields could show: style 3
// (no hand) became a bar, width 0 became 1, a negative own pivot 0.
TEST_F(HandsDialogTest, OpeningAndClosingTheDialogChangesNothingStored) {
    Start();
    Stop();
    Store("HHandStyle", "3");
    Store("HWT", "0");
    Store("HX", "-5");
    Store("THand", "false");
    const char* userOrder[] = {"Int1", "Int2", "Mon", "Day", "Dat", "Hour", "Min", "Sec"};
    for (int i = 0; i < 8; ++i) Store(("HandZ" + std::to_string(i)).c_str(), userOrder[i]);
    const std::vector<std::string> before = StoredValues();

    Start();
    HandsWindow& hands = OpenHands();
    EXPECT_EQ(Text(IdOf(HandsControl::Style, Hand::Hour)), "2")
        << "the style field shows the nearest value it can";
    EXPECT_EQ(Text(IdOf(HandsControl::Width, Hand::Hour)), "1");
    EXPECT_EQ(Text(IdOf(HandsControl::Left, Hand::Hour)), "0");
    SendMessageA(hands.Window(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(hands.IsVisible());
    Stop();
    EXPECT_EQ(StoredValues(), before);
}

// The settings windows are made only when first opened, and their write-backs went with them: a
// clock started and stopped stored its pivots at 0,0 and TranWidth 100, and opening the face
// window then changed TranWidth.
TEST_F(HandsDialogTest, AStartStoresWhatTheWindowsWriteAndOpeningThemChangesNothing) {
    Start();
    Stop();
    for (const char* pivot : {"HX", "HY", "MX", "MY", "SX", "SY", "DDtX", "DDtY", "DyX", "DyY",
                              "MnX", "MnY", "Internet1X", "Internet1Y", "Internet2X", "Internet2Y"})
        EXPECT_EQ(Stored(pivot), "100") << pivot << ": the centre of the 200-pixel face";
    EXPECT_EQ(Stored("TranWidth"), "200");
    EXPECT_EQ(Stored("TranHeight"), "200");
    const std::vector<std::string> before = StoredValues();

    Start();
    for (size_t id = 0; id < kDialogCount; ++id) app_->FirstClock().Dialog(DialogId(id)).Show();
    Pump();
    Stop();
    EXPECT_EQ(StoredValues(), before);
}

// Coming back from a window the dialog owns (a chooser, a message box) refilled the dialog, and
// with it undid what the user was in the middle of.
TEST_F(HandsDialogTest, ReturningFromItsOwnWindowIsNoNewActivation) {
    Start();
    HandsWindow& hands = OpenHands();
    Clock().Parts().model.Edit().HWT = 7;
    VisitOwnWindow();
    ASSERT_EQ(GetActiveWindow(), hands.Window());
    EXPECT_EQ(Text(IdOf(HandsControl::Width, Hand::Hour)), "3");

    SetActiveWindow(ClockHwnd());
    SetActiveWindow(hands.Window());
    Pump();
    EXPECT_EQ(Text(IdOf(HandsControl::Width, Hand::Hour)), "7") << "a real activation fills again";
}

}  // namespace
}  // namespace marvix
