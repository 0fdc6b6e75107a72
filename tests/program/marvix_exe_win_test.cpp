// marvix.exe itself, started as a user or a login starts it: one clock per session, and
// "Start with Windows".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "../support/programs_win.h"
#include "app/single_instance_win.h"
#include "base/scoped_handles_win.h"
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
        RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKeyPath);
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
        // The spelling window is the last the program makes.
        ASSERT_TRUE(Within(10000, [] { return FindWindowA("TForm10", nullptr) != nullptr; }));
        PostMessageA(FindWindowA("TForm4", nullptr), WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0);
        HWND face = nullptr;
        ASSERT_TRUE(Within(5000, [&] {
            face = FindWindowA("TForm5", nullptr);
            return face && IsWindowVisible(face);
        }));
        HWND box = FindWindowExA(face, nullptr, "Button", "Start with Windows");
        ASSERT_NE(box, nullptr);
        SendMessageA(box, BM_CLICK, 0, 0);
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

    HANDLE Start() {
        ScopedHandle process = StartProgram("\"" + Program() + "\"");
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

TEST_F(MarvixExeTest, ASecondStartBringsAClockBackFromTheTray) {
    Win32Registry().WriteValue("Tray", "true");
    HWND clock = StartFirst();
    ASSERT_TRUE(Within(5000, [&] { return !IsWindowVisible(clock); })) << "started in the tray";
    HANDLE second = Start();
    ASSERT_EQ(WaitForSingleObject(second, 2000), WAIT_OBJECT_0);
    EXPECT_TRUE(Within(2000, [&] { return IsWindowVisible(clock) != FALSE; }));
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
    ASSERT_TRUE(Within(10000, [] { return FindWindowA("TForm10", nullptr) != nullptr; }));
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

}  // namespace
}  // namespace marvix
