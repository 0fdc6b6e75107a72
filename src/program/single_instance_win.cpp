#include "program/single_instance_win.h"

#include "base/program.h"

namespace marvix {

UINT ShowClockMessage() { return RegisterWindowMessageA("Marvix.ShowClock"); }
UINT StopClockMessage() { return RegisterWindowMessageA("Marvix.StopClock"); }

SingleClock::SingleClock() : mutex_(CreateMutexA(nullptr, FALSE, kMutexName)) {
    // A mutex that could not be made at all blocks nothing: better two clocks than none.
    first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

namespace {

BOOL CALLBACK CallIfClockOwner(HWND window, LPARAM message) {
    char name[32] = {}, title[32] = {};
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    // Other programs may use the class name; only the clock knows the message.
    if (lstrcmpA(name, kOwnerWindowClass) == 0 && lstrcmpA(title, kProgramTitle) == 0)
        PostMessageA(window, UINT(message), 0, 0);
    return TRUE;
}

struct HandedOver {
    const std::string* arguments;
    bool taken = false;
};

BOOL CALLBACK HandToClockOwner(HWND window, LPARAM found) {
    auto& handed = *reinterpret_cast<HandedOver*>(found);
    char name[32] = {}, title[32] = {};
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(name, kOwnerWindowClass) != 0 || lstrcmpA(title, kProgramTitle) != 0) return TRUE;
    COPYDATASTRUCT data{kCommandLineData, DWORD(handed.arguments->size()),
                        const_cast<char*>(handed.arguments->data())};
    DWORD_PTR answer = 0;
    // A program that does not answer within seconds is hung: this start ends all the same.
    if (SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                            SMTO_ABORTIFHUNG, 5000, &answer) &&
        answer) {
        handed.taken = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool SingleClock::HandOver(const std::string& arguments) {
    AllowSetForegroundWindow(ASFW_ANY);
    HandedOver handed{&arguments};
    EnumWindows(&HandToClockOwner, reinterpret_cast<LPARAM>(&handed));
    return handed.taken;
}

void SingleClock::BringRunningClockForward() {
    // Windows lets a program take the foreground only from the one that has it: this start has
    // it, and hands it on.
    AllowSetForegroundWindow(ASFW_ANY);
    EnumWindows(&CallIfClockOwner, LPARAM(ShowClockMessage()));
}

}  // namespace marvix
