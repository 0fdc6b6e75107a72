#pragma once

// Dragging a borderless window by any point of it with the left button: at each mouse move the
// window goes as far as the mouse went since the last one.

#include <windows.h>

#include <optional>

namespace marvix {

class WindowDrag {
public:
    bool Active() const { return active_; }

    // The left button went down on the window: the mouse is captured until it comes up.
    void Begin(HWND window);
    // Another button went down during a drag: the drag goes on from where the mouse is now.
    void Resume();
    // The mouse moved: where the window's top-left goes, when the drag may move it and the mouse
    // has gone anywhere.
    std::optional<POINT> Moved(HWND window, bool mayMove);
    // The left button came up.
    void End(HWND window);
    // The capture went elsewhere: a button released there never reaches the window.
    void Lost() { active_ = false; }

private:
    bool active_ = false;
    POINT last_{};
};

}  // namespace marvix
