#pragma once

// What a screen reader is told of a window, where Windows' own account of it says too little:
// the clock is a picture to it, an edit takes its name from whatever label comes before it, and
// a panel drawn by the program is no button. The window answers WM_GETOBJECT with an object of
// ours that gives its role, name and description and passes every other question (state, place,
// value, focus) to the standard object Windows makes for the window.
//
// The accessibility DLLs load at the first question, so a clock nobody reads never loads them.

#include <windows.h>

#include <string>

namespace marvix {

struct AccessibleFacts {
    long role = 0;  // a ROLE_SYSTEM_ value; 0 keeps the standard object's
    std::string name = {};
    std::string description = {};  // "" keeps the standard object's
};

// WM_GETOBJECT for `window`'s client area: the result to return, or 0 for any other object (the
// caller then lets DefWindowProc answer).
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleFacts& facts);

// WM_GETOBJECT for a window that calls for an answer: an alert, named by its caption and `words`.
LRESULT AnswerAsAlert(HWND window, WPARAM wParam, LPARAM lParam, const std::string& words);

// Accessibility clients are told that the window's name has changed.
void AnnounceNameChange(HWND window);

// The control answers WM_GETOBJECT with these facts from now on, for as long as it lives.
void DescribeControl(HWND control, AccessibleFacts facts);

}  // namespace marvix
