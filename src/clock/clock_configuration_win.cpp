// The running clock's face and configuration files: a face picked, the snapshot face resized, the
// clock drawn at a new size, a configuration loaded into the clock and the clock's look saved to
// one.
#include "clock/running_clock_win.h"

#include "base/message_seam_win.h"
#include "digital/display_fonts.h"
#include "frame/kept_alarms.h"
#include "frame/placement.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

bool RunningClock::LoadConfiguration(const std::string& path) {
    std::optional<ClockSettings> loaded = files_.Load(path, Settings());
    if (!loaded) return false;
    // Trying a look must not switch off the alarms that wake someone: Yes, the default, keeps them.
    if (const auto question = KeepAlarmsQuestion(Settings(), *loaded);
        question && AskYesNo(*question, true)) {
        KeepAlarms(*loaded, Settings());
    }
    model_.Replace(std::move(*loaded));
    Retime();
    // An empty face name keeps the face that is shown.
    PrepareFaceAndWindow(kTooLargeOnLoad);
    app_.ShowTaskbarButton(!Settings().HideMe);
    ApplyDisplayFonts(Settings(), model_.Live().displays.fonts);
    // After the restacking, so that the snapshot is of what lies behind the clock where it now
    // stands; taken once, since each hides the clock and waits on the window thread.
    Restack();
    if (Settings().UseWall) TakeSnapshot();
    app_.ConfigurationLoaded();
    return true;
}

void RunningClock::LoadFace(const std::string& path) {
    const FaceLoad loaded = LoadFaceFile(path, *pictures_, kTooLargeOnLoad);
    if (loaded.test == FaceTest::Refused) return;
    if (loaded.face && loaded.display) model_.Edit().BackPic = path;
    FitFaceToScreen(model_.Live().screen, *pictures_);
    pictures_->display.Resize(pictures_->face.GetSize());
    placement_.FitToFace(pictures_->face.DeviceSize(), Settings());
    Redraw();
}

void RunningClock::ShowOwnFace() {
    if (Settings().BackPic.empty()) {
        pictures_->UseBuiltInFace();
    } else if (LoadFaceFile(Settings().BackPic, *pictures_, kTooLargeOnLoad).test !=
               FaceTest::Passed) {
        // Reported; the snapshot is no face of the clock's own any more.
        pictures_->UseBuiltInFace();
    }
    FitFaceToScreen(model_.Live().screen, *pictures_);
    pictures_->display.Resize(pictures_->face.GetSize());
    placement_.FitToFace(pictures_->face.DeviceSize(), Settings());
    Redraw();
}

// The snapshot face at a new size: the window, both pictures and the requested centre follow,
// the shape is cut again and the desktop behind the window taken anew.
void RunningClock::ResizeSnapshot(Size size) {
    pictures_->face.Resize(size);
    pictures_->display.Resize(size);
    ClockSettings& s = model_.Edit();
    s.ACX.requested = size.width / 2;
    s.ACY.requested = size.height / 2;
    placement_.Resize(pictures_->face.DeviceSize(), Settings());
    TakeSnapshot();
}

// Size, FollowScreenScale or the screen's resolution changed: every picture at the new scale,
// the face loaded into them again (or the desktop taken again behind a snapshot face), the window
// sized to it and cut to its shape.
bool RunningClock::TakeScale() {
    const double scale = ClockScale(Settings().Size, Settings().FollowScreenScale, DpiOf(Window()));
    if (scale == pictures_->display.Scale()) return false;
    pictures_->SetScale(scale);
    placement_.SetScale(scale);
    return true;
}

void RunningClock::Rescale() {
    if (!TakeScale()) return;
    if (!Settings().UseWall) return ShowOwnFace();
    pictures_->face.Resize({Settings().TranWidth, Settings().TranHeight});
    pictures_->display.Resize(pictures_->face.GetSize());
    placement_.FitToFace(pictures_->face.DeviceSize(), Settings());
    TakeSnapshot();
    Redraw();
}

// Ctrl and the mouse wheel over the clock: 10 per cent a notch, the spot under the pointer kept
// under it as far as the screen allows.
void RunningClock::Zoomed(int notches, Point pointer) {
    const int size = SizeAfterWheel(Settings().Size, notches);
    if (size == Settings().Size) return;
    const double before = pictures_->display.Scale();
    const Point was{Frame().left, Frame().top};
    model_.Edit().Size = size;
    Rescale();
    const Point at = KeepSpotUnder(pointer, was, before, pictures_->display.Scale());
    ClockSettings& s = model_.Edit();
    s.FL = at.x, s.FT = at.y;
    MoveTo(at);
    placement_.KeepOnScreen(Settings());
    app_.ShowLiveValues();
}

bool RunningClock::SaveConfiguration(const std::string& path) {
    // The font colours written are the fonts' own, and the settings follow them.
    RegenerateFontColourTexts(model_.Edit());
    return files_.Save(path, model_.Written(WrittenTo::File), model_.Live().displays.fonts);
}

void RunningClock::PlaceBeside(Rect anchor, std::span<const Rect> clearOf,
                               std::span<const Rect> ratherClearOf) {
    PlaceNear(Window(), anchor, Near::Beside, clearOf, ratherClearOf);
    const Rect at = WindowFrame(Window());
    ClockSettings& s = model_.Edit();
    s.FL = at.left, s.FT = at.top;
    placement_.KeepOnScreen(Settings());
}

}  // namespace marvix
