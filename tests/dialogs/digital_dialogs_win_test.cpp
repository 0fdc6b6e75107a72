// The digital displays and spelling dialogs under Wine, driven by the messages a user's actions
// produce, with the choosers scripted.
#include <windows.h>

#include "../support/dialog_fixture_win.h"
#include "base/gdi_surface_win.h"
#include "clock/control_menu_win.h"
#include "dialogs/digital_dialog.h"
#include "dialogs/spelling_dialog.h"
#include "digital/digital_displays.h"
#include "windows/choosers_win.h"

namespace marvix {
namespace {

class DigitalDialogTest : public DialogFixture {
protected:
    DigitalDialogTest() : DialogFixture(DialogId::Digital) {}

    // The colour the dialog gives a control's text when it paints it.
    // Whether the panel, painted as the dialog paints it, shows `colour` (its caption's).
    bool PaintedIn(ControlId name, COLORREF colour) {
        HWND panel = Control(name);
        RECT r;
        GetClientRect(panel, &r);
        const BorrowedDc screen(nullptr);
        const ScopedMemoryDc dc(CreateCompatibleDC(screen.Get()));
        const ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), r.right, r.bottom));
        const HGDIOBJ old = SelectObject(dc.Get(), bitmap.Get());
        SendMessageA(panel, WM_PRINTCLIENT, WPARAM(dc.Get()), PRF_CLIENT);
        bool found = false;
        for (int y = 0; y < r.bottom && !found; ++y) {
            for (int x = 0; x < r.right && !found; ++x) found = GetPixel(dc.Get(), x, y) == colour;
        }
        SelectObject(dc.Get(), old);
        return found;
    }
};

class SpellingDialogTest : public DialogFixture {
protected:
    SpellingDialogTest() : DialogFixture(DialogId::Spelling) {}
};

TEST_F(DigitalDialogTest, AutoPlacementAndThePositionFields) {
    Store("PDate", "true");
    Start();
    Open();
    ClockSettings& s = Clock().Parts().model.Edit();
    Clock().Ticker().Tick();
    EXPECT_EQ(Text(IdOf(DigitalControl::Left, Display::Date)), "167")
        << "the tick shows where it placed DATE";
    EXPECT_EQ(Text(IdOf(DigitalControl::Top, Display::Date)), "96");
    s.PX = 5;
    Click(IdOf(DigitalControl::AutoPlace,
               Display::Date));  // DATE's Auto P off: it stays where the fields say
    EXPECT_FALSE(s.PDate);
    EXPECT_EQ(s.PX, 167);
    EXPECT_EQ(s.PY, 96);

    Click(IdOf(DigitalControl::AutoPlace, Display::Colon2));  // COLON2's Auto P
    EXPECT_TRUE(s.PColon2);
    EXPECT_FALSE(s.PColon1);

    Type(IdOf(DigitalControl::Left, Display::Date), "500");
    EXPECT_EQ(s.PX, 500);
    Clock().Ticker().Tick();
    EXPECT_EQ(Clock().Model().Layout().displays[1].x, 200) << "the display is held to the face";
    EXPECT_EQ(Text(IdOf(DigitalControl::Left, Display::Date)), "500")
        << "only placed displays are shown by the tick";

    Click(IdOf(DigitalControl::UpperCase, Display::Day));  // DAY's "U"
    EXPECT_EQ(s.DayCaseInt, 3);
}

TEST_F(DigitalDialogTest, AFontPickedIsStoredAndDrawnWith) {
    Store("ColorDateStr", "clBlack");  // where red can be read (4.5 to 1)
    Start();
    Open();
    ChooserScript chooser;
    chooser.AnswerFont(FontChoice{"Arial", 12, {FontStyle::kBold}, Colour{0x000000FF}});
    Click(IdOf(DigitalControl::Font, Display::Date));  // DATE's "Font"
    Clock().Ticker().Tick();
    const GdiSurface& date = Clock().Face().Pictures().digits[1];
    bool red = false;
    for (int y = 0; y < date.GetSize().height; ++y) {
        for (int x = 0; x < date.GetSize().width; ++x) red = red || date.PixelAt(x, y) == 0xFF0000u;
    }
    EXPECT_TRUE(red) << "the DATE text is drawn in red";
    EXPECT_TRUE(PaintedIn(IdOf(DigitalControl::Colour, Display::Date), RGB(255, 0, 0)))
        << "DATE's caption in its text colour";
    Stop();
    EXPECT_EQ(Stored("DFont2"), "Arial");
    EXPECT_EQ(Stored("FSize2"), "12");
    EXPECT_EQ(Stored("FStyle2"), "b");
    EXPECT_EQ(Stored("CFont2"), "clRed");
}

// Filling stored what the fields could show (a position of -4 became 0), and a cancelled font
// chooser stored what it had been opened with (a long face name cut, a colour text rewritten).
TEST_F(DigitalDialogTest, OpeningBothDialogsAndCancellingAFontChangeNothingStored) {
    Start();
    Stop();
    Store("PX", "-4");
    Store("DFont2", "A Typeface Name Of Forty Characters Long");
    Store("CFont2", "clBtnFace");  // a font colour text is regenerated at exit: one that keeps
    const std::vector<std::string> before = StoredValues();
    Start();
    Open();
    EXPECT_EQ(Text(IdOf(DigitalControl::Left, Display::Date)), "0");
    ChooserScript chooser;
    chooser.AnswerFont(std::nullopt);
    Click(IdOf(DigitalControl::Font, Display::Date));
    EXPECT_EQ(chooser.Opened(), 1);
    EXPECT_EQ(chooser.LastInitialFont().face, "A Typeface Name Of Forty Characters Long");
    app_->FirstClock().Dialog(DialogId::Spelling).Show();
    Pump();
    SendMessageA(Dialog().Window(), WM_CLOSE, 0, 0);
    SendMessageA(app_->FirstClock().Dialog(DialogId::Spelling).Window(), WM_CLOSE, 0, 0);
    Stop();
    EXPECT_EQ(StoredValues(), before);
}

// A clock started in the tray is never activated, and read its font slots only then.
TEST_F(DigitalDialogTest, AClockStartedInTheTrayShowsItsFontsAsStored) {
    Store("Tray", "true");
    Store("DFont3", "Arial");
    Store("FSize3", "14");
    Store("CFont3", "clRed");
    Store("ColorMonthStr", "clBlack");  // where red can be read (4.5 to 1)
    Start();
    Pump();
    SendMessageA(ClockHwnd(), TrayIcon::kCallbackMessage, TrayIcon::kIconId, WM_RBUTTONDOWN);
    app_->FirstClock().ControlMenu().Press(ControlMenuWindow::kDigital);  // "Digital Settings"
    Pump();
    ASSERT_TRUE(Dialog().IsVisible());
    EXPECT_FALSE(IsWindowVisible(ClockHwnd()));
    EXPECT_TRUE(PaintedIn(IdOf(DigitalControl::Colour, Display::Month), RGB(255, 0, 0)))
        << "MONTH's caption in its text colour";
    ChooserScript chooser;
    Click(IdOf(DigitalControl::Font, Display::Month));  // MONTH's "Font", cancelled
    EXPECT_EQ(chooser.LastInitialFont().face, "Arial");
    EXPECT_EQ(chooser.LastInitialFont().pointSize, 14);
    // With no face stored, the chooser opened on the first installed font, and OK then changed
    // a display the user had not touched.
    Click(IdOf(DigitalControl::Font, Display::Day));  // DAY's "Font"
    EXPECT_EQ(chooser.LastInitialFont().face, GdiSurface::kDefaultFace);
    EXPECT_EQ(chooser.LastInitialFont().pointSize, 8);
}

TEST_F(SpellingDialogTest, EveryKeystrokeIsANameTheDisplaysShow) {
    Store("LongDayName", "true");
    time_.time = {2026, 12, 6, 1, 10, 15, 30, 0};  // a Sunday
    Start();
    Open();
    ClockSettings& s = Clock().Parts().model.Edit();
    Type(IdOf(SpellingControl::DayName, 0), "Dimanche");
    EXPECT_EQ(s.DayNames1, "Dimanche");
    Clock().Ticker().Tick();
    GdiSurface measure;
    EXPECT_EQ(Clock().Face().Pictures().digits[0].GetSize(),
              measure.TextExtent("Dimanche ", Clock().Model().Live().displays.fonts[0]))
        << "padded to Wednesday's nine letters";
    Type(IdOf(SpellingControl::DayName, 8), "");
    EXPECT_EQ(s.DayNames9, "");

    // A configuration loaded while the dialog is open shows in its fields.
    s.DayNames2 = "Lundi";
    const std::string file =
        std::string(getenv("TEMP") ? getenv("TEMP") : "C:\\") + "\\marvix-spelling.ccf";
    ASSERT_TRUE(Clock().Parts().files.SaveConfiguration(file));
    Type(IdOf(SpellingControl::DayName, 1), "Monday");
    ASSERT_TRUE(Clock().Parts().files.LoadConfiguration(file));
    EXPECT_EQ(Text(IdOf(SpellingControl::DayName, 1)), "Lundi");
}

}  // namespace
}  // namespace marvix
