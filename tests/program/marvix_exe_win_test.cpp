// marvix.exe itself, started as a user or a login starts it: one clock per session, and
// "Start with Windows".
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../support/programs_win.h"
#include "base/scoped_handles_win.h"
#include "program/single_instance_win.h"
#include "settings/clock_keys_win.h"
#include "settings/registry_store_win.h"
#include "windows/login_start.h"

namespace marvix {
namespace {

std::string Program() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\')) + "\\marvix.exe";
}

class MarvixExeTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath);
        RemoveRunValue();
    }
    void TearDown() override {
        for (ScopedHandle& process : started_) TerminateProcess(process.Get(), 0);
        for (ScopedHandle& process : started_) WaitForSingleObject(process.Get(), 5000);
        LeaveNoClockBehind();
    }

    // "Start with Windows" clicked in the running clock's face window, opened from its control
    // menu as a user opens it.
    static void ClickStartWithWindows() {
        ASSERT_TRUE(Within(10000, ClockShows));
        HWND face = OpenFromMenu(101, "TForm5");
        ASSERT_NE(face, nullptr);
        HWND box = FindWindowExA(face, nullptr, "Button", "Start with Windows");
        ASSERT_NE(box, nullptr);
        SendMessageA(box, BM_CLICK, 0, 0);
    }
    // The settings window of that class, opened by the menu's button of that id, as a user
    // opens it: the menu by the keyboard (Shift+F10) over the clock.
    static HWND OpenFromMenu(int button, const char* windowClass) {
        PostMessageA(ClockWindows().front(), WM_CONTEXTMENU, 0, -1);
        const auto shown = [](const char* name) {
            return Within(5000, [&] {
                HWND window = FindWindowA(name, nullptr);
                return window && IsWindowVisible(window);
            });
        };
        if (!shown("TForm4")) return nullptr;
        PostMessageA(FindWindowA("TForm4", nullptr), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return shown(windowClass) ? FindWindowA(windowClass, nullptr) : nullptr;
    }
    // "STOP": the program ends, saving its settings.
    static void StopRunningClock() {
        PostMessageA(FindWindowA("TApplication", "Marvo"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(Within(10000, [] { return ClockWindows().empty(); }));
        // The process goes some time after its windows: until then it holds the one-clock
        // mutex, and a clock started meanwhile (by the next login) would find it and end.
        ASSERT_TRUE(Within(10000, [] {
            const ScopedHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, SingleClock::kMutexName));
            return !mutex;
        }));
    }

    HANDLE Start(const std::string& folder = "") {
        ScopedHandle process = StartProgram("\"" + Program() + "\"", folder);
        if (!process) return nullptr;
        started_.push_back(std::move(process));
        return started_.back().Get();
    }
    // Starts the first clock and waits for its window.
    HWND StartFirst() {
        Start();
        EXPECT_TRUE(Within(10000, [] { return ClockWindows().size() == 1; }));
        const std::vector<HWND> windows = ClockWindows();
        return windows.empty() ? nullptr : windows.front();
    }

    std::vector<ScopedHandle> started_;
};

// A key pressed and let go on the keyboard, as the window with the keyboard focus gets it.
void PressKey(WORD key) {
    keybd_event(BYTE(key), BYTE(MapVirtualKeyA(key, 0)), 0, 0);
    keybd_event(BYTE(key), BYTE(MapVirtualKeyA(key, 0)), KEYEVENTF_KEYUP, 0);
    Sleep(150);  // the clock's thread takes it in its own time
}

// The share of the window's pixels on the screen that are the picture's, sampled every 4 pixels.
double ShareShowing(HWND window, const std::string& picture) {
    const ScopedBitmap face(static_cast<HBITMAP>(
        LoadImageA(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const BorrowedDc screen(nullptr);
    const ScopedMemoryDc faceDc(CreateCompatibleDC(screen.Get())),
        shownDc(CreateCompatibleDC(screen.Get()));
    const ScopedBitmap shown(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!face || !shown) return 0;
    SelectObject(faceDc.Get(), face.Get());
    SelectObject(shownDc.Get(), shown.Get());
    BitBlt(shownDc.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    int same = 0, all = 0;
    for (int y = 0; y < height; y += 4) {
        for (int x = 0; x < width; x += 4, ++all)
            same += GetPixel(faceDc.Get(), x, y) == GetPixel(shownDc.Get(), x, y);
    }
    return all ? double(same) / all : 0;
}

bool AMessageBoxIsShown() { return FindWindowA("#32770", nullptr) != nullptr; }

TEST_F(MarvixExeTest, ASecondStartEndsLeavingOneClockAndTheRegistryAsItWas) {
    StartFirst();
    // The first clock writes nothing while it is left alone.
    Sleep(500);
    const std::map<std::string, std::string> before = StoredValues();
    HANDLE second = Start();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForSingleObject(second, 2000), WAIT_OBJECT_0) << "the second start ends";
    EXPECT_EQ(ClockWindows().size(), 1u);
    EXPECT_EQ(StoredValues(), before);
}

// "/timer 0:02 Tea" given to a later start rings "Tea" in the running program at its end; the
// program killed as taskkill /f kills it, the timer nobody answered rings again at the next start.
TEST_F(MarvixExeTest, ASecondStartsTimerRingsInTheRunningProgramAndOutlivesAKill) {
    StartFirst();
    EXPECT_EQ(RunToEnd("\"" + Program() + "\" /timer 0:02 Tea"), 0u);
    const auto ringsTea = [] {
        HWND alarm = FindWindowA("MarvixAlarm", nullptr);
        return alarm && IsWindowVisible(alarm) && FindWindowExA(alarm, nullptr, "Static", "Tea");
    };
    EXPECT_FALSE(ringsTea());
    ASSERT_TRUE(Within(3500, ringsTea));
    TerminateProcess(started_.front().Get(), 1);
    WaitForSingleObject(started_.front().Get(), 5000);
    StartFirst();
    EXPECT_TRUE(Within(5000, ringsTea));
}

TEST_F(MarvixExeTest, ASecondStartBringsEveryClockBackFromTheTray) {
    Win32Registry().WriteValue("Tray", "true");
    Win32Registry(OtherClockKeys(3).clock).WriteValue("Tray", "true");
    Start();
    ASSERT_TRUE(Within(10000, [] { return ClockWindows().size() == 2; }));
    const std::vector<HWND> clocks = ClockWindows();
    const auto shown = [&](HWND clock) { return IsWindowVisible(clock) != FALSE; };
    ASSERT_TRUE(Within(5000, [&] { return std::ranges::none_of(clocks, shown); }))
        << "both started in the tray";
    HANDLE second = Start();
    ASSERT_EQ(WaitForSingleObject(second, 2000), WAIT_OBJECT_0);
    EXPECT_TRUE(Within(2000, [&] { return std::ranges::all_of(clocks, shown); }));
}

TEST_F(MarvixExeTest, AClockThatCrashedDoesNotBlockTheNextStart) {
    StartFirst();
    TerminateProcess(started_.front().Get(), 3);
    WaitForSingleObject(started_.front().Get(), 5000);
    ASSERT_TRUE(Within(5000, [] { return ClockWindows().empty(); }));
    HANDLE next = Start();
    EXPECT_TRUE(Within(10000, [] { return ClockWindows().size() == 1; }));
    EXPECT_EQ(WaitForSingleObject(next, 0), DWORD(WAIT_TIMEOUT)) << "the next clock runs";
}

// What an installer or uninstaller asks of a running clock before it touches its files: it ends,
// and saves as it goes.
TEST_F(MarvixExeTest, TheStopMessageEndsTheClockWhichSavesItsSettings) {
    StartFirst();
    ASSERT_TRUE(Within(10000, ClockShows));
    ASSERT_TRUE(StoredValues().empty()) << "a first start writes nothing until it has to";
    PostMessageA(FindWindowA("TApplication", "Marvo"), RegisterWindowMessageA("Marvix.StopClock"),
                 0, 0);
    EXPECT_EQ(WaitForSingleObject(started_.front().Get(), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(StoredValues().size(), 321u) << "the exit save";
}

// wineboot starts the Run key's programs, as a login does.
TEST_F(MarvixExeTest, StartWithWindowsStartsTheClockAtTheNextLoginAndUntickedDoesNot) {
    StartFirst();
    ClickStartWithWindows();
    EXPECT_TRUE(RunsProgram(RunValue(), Program())) << RunValue();
    StopRunningClock();

    ASSERT_EQ(RunToEnd("wineboot.exe"), 0u);
    ASSERT_TRUE(Within(10000, [] { return ClockWindows().size() == 1; })) << "started at login";

    ClickStartWithWindows();  // untick it, in the clock the login started
    EXPECT_EQ(RunValue(), "");
    StopRunningClock();
    ASSERT_EQ(RunToEnd("wineboot.exe"), 0u);
    Sleep(3000);
    EXPECT_TRUE(ClockWindows().empty()) << "no clock at the next login";
}

// The gallery clock a user picks with the keys in the configurations window keeps its face when
// the clock next starts from another folder: the face named from the gallery's own folder used
// to be looked for in the folder the clock started in, and every start said it could not load.
TEST_F(MarvixExeTest, AGalleryClockPickedWithTheKeysKeepsItsFaceAtTheNextStartElsewhere) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string desk = std::string(temp) + "marvix-desk", gallery = desk + "\\gallery";
    const std::string shipped = Program().substr(0, Program().rfind('\\')) + "\\gallery";
    const std::string face = gallery + "\\faces\\twenty-four.bmp";
    for (const std::string& folder : {desk, gallery, gallery + "\\faces"})
        CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((shipped + "\\twenty-four.ccf").c_str(),
                          (gallery + "\\twenty-four.ccf").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((shipped + "\\faces\\twenty-four.bmp").c_str(), face.c_str(), FALSE));

    // The configurations window opens where a configuration was last loaded or saved.
    ASSERT_EQ(Win32Registry(kProgramKeyPath).WriteValue("ConfigFolder", desk), "");
    Start(desk);
    ASSERT_TRUE(Within(10000, ClockShows));
    HWND clock = ClockWindows().front();
    // The built-in face, to begin with: only the corners, black in the picture and on the screen
    // outside the round window, are alike.
    EXPECT_LT(ShareShowing(clock, face), 0.3);
    HWND configurations = OpenFromMenu(107, "TForm8");
    ASSERT_NE(configurations, nullptr);
    SetForegroundWindow(configurations);
    Sleep(300);
    // From the file list back to the folders, down to the gallery and into it; on to its files,
    // the first, and Enter loads it.
    keybd_event(VK_SHIFT, 0, 0, 0);
    PressKey(VK_TAB);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    for (WORD key : {VK_DOWN, VK_RETURN, VK_TAB, VK_DOWN, VK_RETURN}) PressKey(key);
    EXPECT_TRUE(Within(5000, [&] { return ShareShowing(clock, face) > 0.5; }))
        << ShareShowing(clock, face);
    EXPECT_FALSE(AMessageBoxIsShown());
    StopRunningClock();
    EXPECT_STREQ(StoredValues()["BackPic"].c_str(), face.c_str()) << "held whole";

    Start("C:\\");
    ASSERT_TRUE(Within(10000, ClockShows));
    clock = ClockWindows().front();
    EXPECT_TRUE(Within(5000, [&] { return ShareShowing(clock, face) > 0.5; }))
        << ShareShowing(clock, face);
    Sleep(500);
    EXPECT_FALSE(AMessageBoxIsShown());
    for (const std::string& file : {face, gallery + "\\twenty-four.ccf"}) DeleteFileA(file.c_str());
    for (const std::string& folder : {gallery + "\\faces", gallery, desk})
        RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace marvix
