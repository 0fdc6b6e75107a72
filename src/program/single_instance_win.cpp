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

}  // namespace

void SingleClock::BringRunningClockForward() {
    // Windows lets a program take the foreground only from the one that has it: this start has
    // it, and hands it on.
    AllowSetForegroundWindow(ASFW_ANY);
    EnumWindows(&CallIfClockOwner, LPARAM(ShowClockMessage()));
}

}  // namespace marvix
