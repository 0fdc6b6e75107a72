#pragma once

// TForm1, the clock window: a borderless window showing the clock, owner of ClockSettings for
// the life of the process. It reads the settings from the registry while it is created, the
// display fonts at its first activation, and writes everything back when it is destroyed.

#include <windows.h>

#include "settings/clock_settings.h"
#include "settings/registry_store_win.h"

namespace marvix {

class TForm1 {
public:
    static constexpr char kClassName[] = "TForm1";

    static bool RegisterWindowClass(HINSTANCE instance);
    // Creates the window; the object lives until the window is destroyed.
    static TForm1* Create(HINSTANCE instance);

    HWND Window() const { return hwnd_; }
    ClockSettings& Settings() { return settings_; }

private:
    explicit TForm1(HWND hwnd) : hwnd_(hwnd) {}
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void FormCreate();
    void FormActivate();
    void StopAll();
    void Paint();

    HWND hwnd_;
    ClockSettings settings_;
    Win32Registry registry_;
    bool FirstActivation = false;
};

}  // namespace marvix
