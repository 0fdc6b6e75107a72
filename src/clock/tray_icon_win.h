#pragma once

// The clock's icon in the notification area. It reports mouse actions to its window as message
// 1124, with the mouse message as lParam.

#include <windows.h>

#include <shellapi.h>

#include <string_view>

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
    const char* Tip() const { return data_.szTip; }

private:
    NOTIFYICONDATAA data_{};
    bool added_ = false;
    UINT taskbarCreated_ = 0;
};

}  // namespace marvix
