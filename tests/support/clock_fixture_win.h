#pragma once

// What the Win32 tests of the clock share: a fresh registry key, a settable clock, every message
// captured, and the whole program (all ten windows) created as at start.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/message_seam_win.h"
#include "clock/running_clock_win.h"
#include "dialogs/settings_windows_win.h"
#include "fixed_clock.h"
#include "program/application_win.h"
#include "settings/registry_store_win.h"

namespace marvix {

class ClockFixture : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath); }
    void TearDown() override {
        app_.reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKeyPath);
    }

    static void Store(const char* name, const std::string& text) {
        Win32Registry().WriteValue(name, text);
    }
    static std::string Stored(const char* name) {
        return Win32Registry().ReadValue(name).text.value_or("<missing>");
    }

    // Creates the program as its entry point does.
    Application& Start() {
        app_ = std::make_unique<Application>(GetModuleHandleA(nullptr), time_, kSettingsWindows);
        EXPECT_TRUE(app_->Create());
        return *app_;
    }
    RunningClock& Clock() { return app_->FirstClock().Clock(); }
    HWND ClockHwnd() { return app_->FirstClock().Clock().Window(); }
    // Ends the program as "STOP" does; the clock window saves the settings as it goes.
    void Stop() { app_->StopProgram(); }

    static RECT WindowRect(HWND hwnd) {
        RECT r;
        GetWindowRect(hwnd, &r);
        return r;
    }
    // A key pressed and let go in the focused window, through the program's message loop.
    void PressKey(WPARAM key) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageA(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump();
    }
    // `action` runs with `key` (Shift, Ctrl) held down, as this thread's keyboard state says.
    template <class Action>
    static void WithKeyHeld(int key, Action action) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[key] = 0x80;
        SetKeyboardState(keys);
        action();
        keys[key] = 0;
        SetKeyboardState(keys);
    }
    // Lets the program run for `ms` as its message loop would, its timers and ticks included.
    void Wait(DWORD ms) {
        const DWORD start = GetTickCount();
        for (DWORD passed = 0; passed < ms; passed = GetTickCount() - start) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT);
            Pump();
        }
    }
    // Lets the program run until the condition holds, at most `ms`; whether it came to hold.
    template <class Condition>
    bool WaitFor(Condition condition, DWORD ms) {
        for (DWORD waited = 0; waited < ms && !condition(); waited += 50) Wait(50);
        return condition();
    }
    // Lets posted and sent messages arrive, as the program's message loop would.
    void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (app_) {
                app_->Dispatch(message);
            } else {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
    }

    FixedClock time_;
    MessageCapture messages_;
    std::unique_ptr<Application> app_;
};

}  // namespace marvix
