// A real message box under Wine, read and closed by a timer while it waits for an answer.
#include "base/message_seam_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace marvix {
namespace {

RECT g_box{};

void CALLBACK ReadAndCloseTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = GetActiveWindow();
    char name[16] = {};
    GetClassNameA(box, name, sizeof name);
    if (std::string(name) != "#32770") return;
    KillTimer(nullptr, timer);
    GetWindowRect(box, &g_box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// "Unable to save specified file." came up in the middle of the screen, not by the
// configurations window that said it: a box comes up over the window it speaks for.
TEST(MessageSeam, ABoxComesUpOverTheWindowItSpeaksFor) {
    HWND window = CreateWindowExA(0, "STATIC", "Configurations", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                  650, 480, 340, 240, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    ASSERT_EQ(GetActiveWindow(), window);
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, ReadAndCloseTheBox);
    ShowMessage("Unable to save specified file.");
    KillTimer(nullptr, timer);
    ASSERT_GT(g_box.right, g_box.left) << "the box was seen";
    RECT owner;
    GetWindowRect(window, &owner);
    EXPECT_NEAR((g_box.left + g_box.right) / 2, (owner.left + owner.right) / 2, 2);
    EXPECT_NEAR((g_box.top + g_box.bottom) / 2, (owner.top + owner.bottom) / 2, 2);
    DestroyWindow(window);
}

}  // namespace
}  // namespace marvix
