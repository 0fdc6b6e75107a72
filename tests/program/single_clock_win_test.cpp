// One clock per session, with marvix.exe itself started as a user starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/scoped_handles_win.h"
#include "settings/registry_store_win.h"

namespace marvix {
namespace {

std::string Program() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\')) + "\\marvix.exe";
}

BOOL CALLBACK AddIfClock(HWND window, LPARAM list) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "TForm1")
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The clock windows on the screen, shown or hidden, of every process.
std::vector<HWND> ClockWindows() {
    std::vector<HWND> found;
    EnumWindows(&AddIfClock, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Every value under the clock's key, by name.
std::map<std::string, std::string> StoredValues() {
    std::map<std::string, std::string> values;
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return values;
    const ScopedRegKey key(raw);
    for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[1024];
        DWORD nameSize = sizeof name, dataSize = sizeof data;
        if (RegEnumValueA(key.Get(), i, name, &nameSize, nullptr, nullptr, data, &dataSize) !=
            ERROR_SUCCESS)
            break;
        values[name] = std::string(reinterpret_cast<char*>(data), dataSize);
    }
    return values;
}

template <class Condition>
bool Within(DWORD milliseconds, Condition condition) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(20)) {
        if (condition()) return true;
    }
    return condition();
}

class SingleClockTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKeyPath); }
    void TearDown() override {
        for (ScopedHandle& process : started_) TerminateProcess(process.Get(), 0);
        for (ScopedHandle& process : started_) WaitForSingleObject(process.Get(), 5000);
        RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKeyPath);
    }

    HANDLE Start() {
        std::string command = "\"" + Program() + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return nullptr;
        }
        CloseHandle(process.hThread);
        started_.emplace_back(process.hProcess);
        return process.hProcess;
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

TEST_F(SingleClockTest, ASecondStartEndsLeavingOneClockAndTheRegistryAsItWas) {
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

TEST_F(SingleClockTest, ASecondStartBringsAClockBackFromTheTray) {
    Win32Registry().WriteValue("Tray", "true");
    HWND clock = StartFirst();
    ASSERT_TRUE(Within(5000, [&] { return !IsWindowVisible(clock); })) << "started in the tray";
    HANDLE second = Start();
    ASSERT_EQ(WaitForSingleObject(second, 2000), WAIT_OBJECT_0);
    EXPECT_TRUE(Within(2000, [&] { return IsWindowVisible(clock) != FALSE; }));
}

TEST_F(SingleClockTest, AClockThatCrashedDoesNotBlockTheNextStart) {
    StartFirst();
    TerminateProcess(started_.front().Get(), 3);
    WaitForSingleObject(started_.front().Get(), 5000);
    ASSERT_TRUE(Within(5000, [] { return ClockWindows().empty(); }));
    HANDLE next = Start();
    EXPECT_TRUE(Within(10000, [] { return ClockWindows().size() == 1; }));
    EXPECT_EQ(WaitForSingleObject(next, 0), DWORD(WAIT_TIMEOUT)) << "the next clock runs";
}

}  // namespace
}  // namespace marvix
