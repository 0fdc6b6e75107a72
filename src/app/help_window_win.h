#pragma once

// The program's help: a plain window showing the help text built into the program, opened at its
// contents. Self-contained on purpose: no help viewer a Windows of today might lack.

#include <windows.h>

#include "base/scoped_handles_win.h"

namespace marvix {

class HelpWindow {
public:
    explicit HelpWindow(HINSTANCE instance) : instance_(instance) {}
    ~HelpWindow();
    // Shows the help at its contents, creating the window the first time.
    void ShowContents(HWND owner);
    HWND Window() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HINSTANCE instance_;
    ScopedWindowClass windowClass_;  // outlives the window, which the destructor destroys first
    HWND hwnd_ = nullptr;
};

}  // namespace marvix
