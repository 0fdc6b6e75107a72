#pragma once

// The program's help, built into the program: a resizable window with the list of topics on the
// left and the chosen topic's text beside it, wrapped to the window. The arrows move through
// the topics and Escape closes it. Self-contained on purpose: no help viewer a Windows of today
// might lack.

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "base/scoped_handles_win.h"
#include "program/help_text.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class HelpWindow {
public:
    static constexpr char kContents[] = "contents";
    enum { kTopicList = 1, kTopicText = 2 };

    // The program's windows' host: where the window belongs, and the keyboard routing.
    explicit HelpWindow(SettingsWindowHost& app);
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Shows the help at the topic of that key (a settings window's class name, or kContents),
    // creating the window the first time; an unknown key shows the contents. Opened, it comes up
    // beside `anchor` (the window it was asked from, or the clock) on its monitor, clear of the
    // windows of `clearOf` where there is room.
    void ShowTopic(std::string_view key, Rect anchor = {}, std::span<const Rect> clearOf = {});
    HWND Window() const { return hwnd_; }
    // Its size when first made: 720 by 480 at 96 pixels per inch, scaled, within the work area.
    static Size HelpSize(int dpi);
    std::string_view CurrentTopic() const;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Create();
    void Layout();
    void ApplyFont();
    void SelectTopic(size_t index);

    SettingsWindowHost& app_;
    std::vector<HelpTopic> topics_;
    size_t current_ = 0;
    ScopedWindowClass windowClass_;  // outlives the window, which the destructor destroys first
    HWND hwnd_ = nullptr;
    HWND list_ = nullptr;
    HWND text_ = nullptr;
    int dpi_ = 96;
};

}  // namespace marvix
