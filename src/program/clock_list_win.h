#pragma once

// The program's clocks: the first, which the clock's key holds and the program cannot be without,
// then every other clock stored or added, each a whole ClockHost. Clocks are made, added, stopped
// and let go here.

#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "clock/clock_host_win.h"
#include "clock/program_host_win.h"

namespace marvix {

class ClockList {
public:
    ClockList(ProgramHost& program, TimeSource& time, SettingsWindowFactory settingsWindows)
        : program_(program), time_(time), settingsWindows_(settingsWindows) {}

    // The first clock and every other stored one, created; false when the first could not be.
    bool CreateStored();
    ClockHost& First() { return *clocks_.front(); }
    const std::vector<std::unique_ptr<ClockHost>>& All() const { return clocks_; }
    // Whether the first clock's window is there still: once it is gone, the program is ending.
    bool FirstIsLive() const { return !clocks_.empty() && clocks_.front()->IsLive(); }
    std::vector<ClockHost*> Live() const {
        std::vector<ClockHost*> live;
        ListLive(live);
        return live;
    }
    void ListLive(std::vector<ClockHost*>& live) const;
    // Where the live clocks other than `clock` stand, of those that show.
    std::vector<Rect> FramesBeside(const ClockHost& clock) const;

    // A new clock, copied from `from` with its sounds off, in `zone` and labelled `label`, beside
    // `from` and clear of `windows` where there is room, stored at once; nullptr when it could not
    // be made.
    ClockHost* Add(ClockHost& from, const std::string& zone, const std::string& label,
                   std::vector<Rect> windows);
    // Every clock's window destroyed (each saves as it goes), the first last, but `going`'s,
    // which already is.
    void StopAll(const ClockHost* going);
    // Clocks whose windows are gone, but the first, leave the list; `gone` is told of each first.
    template <class Gone>
    void DropGone(Gone gone) {
        std::erase_if(clocks_, [&](const std::unique_ptr<ClockHost>& clock) {
            const bool dropped = !clock->IsFirst() && !clock->IsLive();
            if (dropped) gone(*clock);
            return dropped;
        });
    }
    // The clocks go, the first last; each saves as it goes.
    void Clear() {
        while (!clocks_.empty()) clocks_.pop_back();
    }

private:
    std::unique_ptr<ClockHost> Make(ClockKeys keys);

    ProgramHost& program_;
    TimeSource& time_;
    SettingsWindowFactory settingsWindows_;
    std::vector<std::unique_ptr<ClockHost>> clocks_;
};

}  // namespace marvix
