#pragma once

// Move-only owners for the Win32 handles the program creates. Copying is deleted: two owners of
// one handle would close it twice.

#include <windows.h>

#include <utility>

namespace marvix {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Handle handle_ = Traits::Invalid();
};

// Handles whose failure value is null, closed by the one call that frees them.
template <class HandleType, auto CloseFunction>
struct NullHandleTraits {
    using Handle = HandleType;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

using ScopedRegKey = UniqueHandle<NullHandleTraits<HKEY, &RegCloseKey>>;
using ScopedHandle = UniqueHandle<NullHandleTraits<HANDLE, &CloseHandle>>;
using ScopedLibrary = UniqueHandle<NullHandleTraits<HMODULE, &FreeLibrary>>;
using ScopedMenu = UniqueHandle<NullHandleTraits<HMENU, &DestroyMenu>>;
// An icon of our own making (CreateIconIndirect); a shared icon from LoadImage is never destroyed.
using ScopedIcon = UniqueHandle<NullHandleTraits<HICON, &DestroyIcon>>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, not as a null handle.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};
using ScopedFile = UniqueHandle<FileHandleTraits>;

// Pens, brushes, fonts and bitmaps. Deselect one from every DC before it goes: DeleteObject on a
// selected object fails and the object leaks.
using ScopedPen = UniqueHandle<NullHandleTraits<HPEN, &DeleteObject>>;
using ScopedBrush = UniqueHandle<NullHandleTraits<HBRUSH, &DeleteObject>>;
using ScopedFont = UniqueHandle<NullHandleTraits<HFONT, &DeleteObject>>;
using ScopedBitmap = UniqueHandle<NullHandleTraits<HBITMAP, &DeleteObject>>;

// A DC of our own making (CreateCompatibleDC); DCs borrowed with GetDC go back with ReleaseDC.
using ScopedMemoryDc = UniqueHandle<NullHandleTraits<HDC, &DeleteDC>>;

// A DC borrowed with GetDC, of a window or (for no window) of the whole screen, given back when
// it goes.
class BorrowedDc {
public:
    explicit BorrowedDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~BorrowedDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    BorrowedDc(const BorrowedDc&) = delete;
    BorrowedDc& operator=(const BorrowedDc&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// A window class this program registered, unregistered when it goes; its windows must be gone
// by then, or the class stays.
// What every window class of the program starts from: its procedure, the module, the arrow
// cursor and the name. Callers add a style, an icon or a background.
WNDCLASSEXA WindowClassOf(HINSTANCE instance, const char* name, WNDPROC procedure);

class ScopedWindowClass {
public:
    ScopedWindowClass() = default;
    // Registers the class; a class of that name registered earlier in the process is used as it
    // is and left registered. Failure is reported through the message seam.
    explicit ScopedWindowClass(const WNDCLASSEXA& windowClass);
    ScopedWindowClass(ScopedWindowClass&& other) noexcept
        : atom_(std::exchange(other.atom_, ATOM{})),
          instance_(other.instance_),
          usable_(std::exchange(other.usable_, false)) {}
    ScopedWindowClass& operator=(ScopedWindowClass&& other) noexcept {
        if (this != &other) {
            Unregister();
            atom_ = std::exchange(other.atom_, ATOM{});
            instance_ = other.instance_;
            usable_ = std::exchange(other.usable_, false);
        }
        return *this;
    }
    ScopedWindowClass(const ScopedWindowClass&) = delete;
    ScopedWindowClass& operator=(const ScopedWindowClass&) = delete;
    ~ScopedWindowClass() { Unregister(); }

    // Windows of the class can be created.
    explicit operator bool() const { return usable_; }

private:
    void Unregister() {
        if (atom_) UnregisterClassA(MAKEINTATOM(atom_), instance_);
        atom_ = 0;
        usable_ = false;
    }

    ATOM atom_ = 0;  // nonzero only when this object registered the class
    HINSTANCE instance_ = nullptr;
    bool usable_ = false;
};

}  // namespace marvix
