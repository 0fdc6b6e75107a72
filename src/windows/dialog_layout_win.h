#pragma once

// How a settings window is laid out and behaves when it shows: its class, caption, size at 96
// pixels per inch, colour, place, the kinds of control that take the dialog font, and when it is
// held on the screen.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "base/geometry.h"
#include "windows/scaled_controls_win.h"

namespace marvix {

enum class Clamp {
    Never,
    OnActivation,               // every activation, whatever IgnoreBoundary says
    OnActivationUnlessIgnored,  // every activation, unless IgnoreBoundary
    OnCreateAndActivation,      // creation and every activation
    OnCreateAndActivationUnlessIgnored,
};

// The purple behind every window of the program but help ($00BBGGRR).
inline constexpr uint32_t kWindowPurple = 0x00800040;

struct DialogLayout {
    const char* className;
    const char* caption;
    Size client;          // at 96 pixels per inch
    uint32_t background;  // $00BBGGRR
    Point position;       // initial top-left, unless centred
    bool centred;
    unsigned fontKinds;  // ControlKind bits
    Clamp clamp;
    bool createOnActivation;  // Prepare runs again at every activation
    // A settings window shows beside the clock it changes, and the control menu beside the clock
    // it was asked from, so that the windows it opens find room clear of both; the exit
    // confirmation stays where it is put (centred).
    bool besideClock = true;
    // A group box paints only its frame and caption: a window with one around other controls
    // paints its background beneath its children too.
    bool clipChildren = true;
};

// What a window or control shows as its text.
std::string WindowText(HWND window);
// A window's caption with whose it is: "Marvix Face (Tokyo)", or the caption alone.
std::string CaptionOf(std::string_view caption, const std::string& whose);

}  // namespace marvix
