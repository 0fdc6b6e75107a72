#pragma once

// The clock's icon in the notification area. It reports mouse actions to its window as message
// 1124, with the mouse message as lParam.

#include <windows.h>

#include <shellapi.h>

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

private:
    NOTIFYICONDATAA data_{};
    bool added_ = false;
    UINT taskbarCreated_ = 0;
};

}  // namespace marvix
