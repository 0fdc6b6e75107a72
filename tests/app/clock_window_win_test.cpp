// The clock window's settings life: read while it is created and at its first activation,
// reported through the message seam, written back when it is destroyed.
#include "app/clock_window_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/message_seam_win.h"

namespace marvix {
namespace {

class ClockWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { TForm1::RegisterWindowClass(GetModuleHandleA(nullptr)); }
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKeyPath); }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kRegistryKeyPath); }

    static void PutText(const char* name, const char* text) {
        Win32Registry().WriteValue(name, text);
    }
    static std::string Stored(const char* name) {
        return Win32Registry().ReadValue(name).text.value_or("<missing>");
    }
    static void Activate(HWND hwnd) {
        ShowWindow(hwnd, SW_SHOW);
        SetForegroundWindow(hwnd);
        SetActiveWindow(hwnd);
    }
};

TEST_F(ClockWindowTest, ConversionErrorsReachTheSeamAndStartUpCompletes) {
    const DWORD number = 7;
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kRegistryKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegSetValueExA(key, "FL", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    PutText("FT", "12a");
    PutText("FSize5", "abc");
    PutText("FSize6", "11");
    PutText("MonthNames1", "Janvier");

    MessageCapture capture;
    TForm1* clock = TForm1::Create(GetModuleHandleA(nullptr));
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(capture.Texts(), (std::vector<std::string>{"Invalid data type for 'FL'",
                                                         "'12a' is not a valid integer value"}));
    EXPECT_EQ(clock->Settings().MonthNames1, "Janvier") << "reading went on past the errors";

    capture.Clear();
    Activate(clock->Window());
    EXPECT_EQ(capture.Texts(), std::vector<std::string>{"'abc' is not a valid integer value"});
    ASSERT_FALSE(capture.Messages().empty());
    EXPECT_EQ(capture.Messages().front().style, MessageStyle::Error);
    EXPECT_EQ(clock->Settings().FSize6, 11);

    Activate(clock->Window());
    EXPECT_EQ(capture.Messages().size(), 1u) << "fonts are read at the first activation only";

    DestroyWindow(clock->Window());
    EXPECT_EQ(Stored("FL"), "194");
    EXPECT_EQ(Stored("FT"), "105");
    EXPECT_EQ(Stored("FSize5"), "8");
    EXPECT_EQ(Stored("FSize6"), "11");
    EXPECT_EQ(Stored("MonthNames1"), "Janvier");
}

TEST_F(ClockWindowTest, ANewInstallationStartsOnDefaultsAndSavesThemAtExit) {
    MessageCapture capture;
    TForm1* clock = TForm1::Create(GetModuleHandleA(nullptr));
    ASSERT_NE(clock, nullptr);
    RECT frame;
    GetWindowRect(clock->Window(), &frame);
    EXPECT_EQ(frame.left, 194);
    EXPECT_EQ(frame.top, 105);
    DestroyWindow(clock->Window());
    EXPECT_TRUE(capture.Messages().empty());
    EXPECT_EQ(Stored("SDate"), "true");
    EXPECT_EQ(Stored("HandZ0"), "Sec");
    EXPECT_EQ(Stored("Still"), "<missing>");
}

}  // namespace
}  // namespace marvix
