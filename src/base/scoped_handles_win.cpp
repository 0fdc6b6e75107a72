#include "base/scoped_handles_win.h"

#include <string>

#include "base/message_seam_win.h"

namespace marvix {

WNDCLASSEXA WindowClassOf(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    return windowClass;
}

ScopedWindowClass::ScopedWindowClass(const WNDCLASSEXA& windowClass)
    : instance_(windowClass.hInstance) {
    atom_ = RegisterClassExA(&windowClass);
    // Each window class is registered by the one object that creates its windows, but the tests
    // build the program more than once in a process and a class may outlive its last owner.
    usable_ = atom_ != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    if (!usable_) {
        ReportFailureOnce(std::string("Cannot register the window class ") +
                          windowClass.lpszClassName + ".");
    }
}

}  // namespace marvix
