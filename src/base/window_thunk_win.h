#pragma once

// The window procedure of an object that outlives its window: the object comes in through
// CreateWindowEx's lpCreateParams, is kept in GWLP_USERDATA, learns its HWND at WM_NCCREATE and
// forgets it at WM_NCDESTROY, after which no message reaches it; every other message goes to its
// handler. A class's static window procedure passes its window member and its handler.

#include <windows.h>

namespace marvix {

template <class Owner>
LRESULT ForwardToOwner(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, HWND Owner::*window,
                       LRESULT (Owner::*handler)(UINT, WPARAM, LPARAM)) {
    auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->*window = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->*window = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return (self->*handler)(message, wParam, lParam);
}

}  // namespace marvix
