#pragma once

// The clock's icon in the notification area. It reports mouse actions to its window as message
// 1124, with the mouse message as lParam.

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string_view>
#include <utility>

#include "base/scoped_handles_win.h"

namespace marvix {

class TrayIcon {
public:
    static constexpr UINT kCallbackMessage = WM_USER + 100;  // 1124
    static constexpr UINT kIconId = 1;

    void Add(HWND owner, HICON icon);
    // After the shell restarts (Explorer crashed, or was restarted) it tells every top-level
    // window, and the icon must be added anew. Returns whether `message` was that news.
    bool ShellRestarted(UINT message);
    void Remove();
    bool IsAdded() const { return added_; }
    // The tip (TrayTip: the clock in words, as Windows' own clock is read from the notification
    // area, then what the mouse does), handed to the shell only when it changes.
    void SetTip(std::string_view tip);
    // A ring drawn into the icon along its edge, clockwise from the top, `steps` of `of` of it
    // in `colour` (a timer's time left); none: the icon as it was added. The icon is made anew
    // only when the ring changes.
    void ShowRing(std::optional<int> steps, int of, COLORREF colour);
    // While the tip changes every second (a timer runs), the shell's DLL stays loaded: loading it
    // for each change would cost some 6 ms a second under Wine. Let go, it is loaded for each
    // change again, as a tip that changes once a minute wants.
    void KeepShellLoaded(bool keep);
    const char* Tip() const { return data_.szTip; }
    HICON Icon() const { return data_.hIcon; }

private:
    NOTIFYICONDATAA data_{};
    ScopedLibrary shell_;
    HICON plainIcon_ = nullptr;  // as added, shared
    ScopedIcon ringIcon_;
    std::optional<std::pair<int, COLORREF>> ring_;
    bool added_ = false;
    UINT taskbarCreated_ = 0;
};

}  // namespace marvix
