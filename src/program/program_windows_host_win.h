#pragma once

// The host of the program's own windows (help and the clocks window): the program's owner, fonts
// and keyboard routing, and the clock they were last opened from, beside which they come up, clear
// of its menu and its windows.

#include <functional>

#include "clock/clock_host_win.h"
#include "clock/program_host_win.h"
#include "windows/settings_window_host_win.h"

namespace marvix {

class ProgramWindowsHost final : public SettingsWindowHost {
public:
    ProgramWindowsHost(ProgramHost& program, std::function<ClockHost&()> openedFrom)
        : program_(program), openedFrom_(std::move(openedFrom)) {}
    HINSTANCE Instance() const override { return program_.Instance(); }
    HWND Owner() const override { return program_.Owner(); }
    HFONT DialogFont(int dpi, bool bold) override { return program_.DialogFont(dpi, bold); }
    void SetActiveDialog(HWND dialog) override { program_.SetActiveDialog(dialog); }
    ClockParts& Parts() override { return openedFrom_().Parts(); }
    std::optional<Rect> MenuFrame() const override { return openedFrom_().MenuFrame(); }
    std::vector<Rect> OpenSettingsFrames() const override {
        return openedFrom_().OpenSettingsFrames();
    }

private:
    ProgramHost& program_;
    std::function<ClockHost&()> openedFrom_;
};

}  // namespace marvix
