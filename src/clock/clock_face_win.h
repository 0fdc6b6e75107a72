#pragma once

// The clock's look: its pictures at its scale, the face in them (a file, the built-in one or a
// snapshot of the desktop), the display fonts, and the frames composed from them and shown in the
// window. What the settings windows change of the look, they change here.

#include <windows.h>

#include <memory>
#include <string>

#include "base/local_time.h"
#include "base/system_time_win.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_pictures_win.h"
#include "clock/clock_placement_win.h"
#include "clock/clock_window_win.h"
#include "clock/settings_saver_win.h"
#include "frame/clock_model.h"
#include "frame/tick_schedule.h"
#include "windows/clock_parts.h"

namespace marvix {

class ClockFace final : public ClockLook {
public:
    // The display fonts' settings are read from where `saver` keeps the settings, once.
    ClockFace(ClockOwner& owner, ClockModel& model, TimeSource& clock, ClockWindow& window,
              ClockPlacement& placement, TickSchedule& schedule, SettingsSaver& saver);
    ClockFace(const ClockFace&) = delete;
    ClockFace& operator=(const ClockFace&) = delete;

    ClockPictures& Pictures() { return *pictures_; }
    // The scale Size, FollowScreenScale and the monitor's resolution give, taken by the pictures
    // and the placement; whether it changed.
    bool TakeScale();
    // The face prepared (BackPic, the snapshot size, the fallback), the window fitted to it and
    // the face laid out: at start and after a configuration is loaded.
    void PrepareFaceAndWindow(const char* tooLarge);
    // Composes the frame and shows what changed; returns whether the frame may have changed.
    bool ComposeAndShow(const ClockInstant& now);
    // How many frames have reached the window since it was created: a tick that changes no
    // pixel sends none.
    unsigned FramesShown() const { return framesShown_; }
    // Ctrl and the mouse wheel over the clock, `pointer` on the screen.
    void Zoomed(int notches, Point pointer);

    // ClockLook
    const FaceLayout& Layout() override;
    Size FaceSize() const override { return pictures_->face->GetSize(); }
    // Composes the frame from the settings as they are now and shows it, without the rest of a
    // tick (no sounds, no clamp): a setting changed in a dialog shows at once.
    void Redraw() override;
    void Retime() override { schedule_.UseStep(model_.Settings().Smooth); }
    void Rescale() override;
    // The twelve font slots come from the registry once, at the first activation, or earlier when
    // a settings window shows them first (a clock started in the tray may never be activated).
    const DisplayFonts& ReadDisplayFonts() override;
    void ApplyDisplayFont(size_t slot) override;
    // A face picked in the face window: tested and loaded, or the fallback for one too large for
    // the screen, then the window fitted, held on the screen and cut to its shape. BackPic names
    // it only when both pictures loaded, so that the next start shows what is shown now.
    void LoadFace(const std::string& path) override;
    void ShowOwnFace() override;
    void ResizeSnapshot(Size size) override;
    void TakeSnapshot() override { placement_.TakeSnapshot(pictures_->face.Own()); }

private:
    // The face as it now stands fitted to the screen, the window to the face, and shown.
    void FitAndRedraw();

    ClockOwner& owner_;
    ClockModel& model_;
    TimeSource& clock_;
    ClockWindow& window_;
    ClockPlacement& placement_;
    TickSchedule& schedule_;
    SettingsSaver& saver_;
    std::unique_ptr<ClockPictures> pictures_;
    bool displayFontsRead_ = false;
    unsigned framesShown_ = 0;
};

}  // namespace marvix
