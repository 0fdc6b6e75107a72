// The clock's look: a face picked, the snapshot face resized, the clock drawn at a new size, the
// display fonts read and applied, and each frame composed and shown.
#include "clock/clock_face_win.h"

#include <vector>

#include "base/message_seam_win.h"
#include "digital/display_fonts.h"
#include "frame/placement.h"
#include "windows/screen_clamp_win.h"

namespace marvix {

ClockFace::ClockFace(ClockOwner& owner, ClockModel& model, TimeSource& clock, ClockWindow& window,
                     ClockPlacement& placement, TickSchedule& schedule, SettingsSaver& saver)
    : owner_(owner),
      model_(model),
      clock_(clock),
      window_(window),
      placement_(placement),
      schedule_(schedule),
      saver_(saver),
      pictures_(std::make_unique<ClockPictures>()) {}

void ClockFace::PrepareFaceAndWindow(const char* tooLarge) {
    // The face is tested against the maximized-window area.
    placement_.RefreshScreens();
    PrepareFace(model_.Settings(), *pictures_, model_.Live().screen, tooLarge);
    placement_.FitToFace(pictures_->face->DeviceSize());
    Layout();
}

const FaceLayout& ClockFace::Layout() {
    model_.LayOutFace(pictures_->face->GetSize(), pictures_->display.GetSize());
    return model_.Layout();
}

bool ClockFace::ComposeAndShow(const ClockInstant& now) {
    FrameSurfaces frame = pictures_->Frame();
    const auto area = model_.Compose(frame, now);
    if (!area) return false;
    window_.ShowParts(area->Parts());
    ++framesShown_;
    return true;
}

void ClockFace::Redraw() {
    ComposeAndShow(SampleInstant(clock_));
    owner_.ShowLiveValues();
    schedule_.TickSoon();
}

const DisplayFonts& ClockFace::ReadDisplayFonts() {
    if (!displayFontsRead_) {
        displayFontsRead_ = true;
        std::vector<std::string> errors;
        ReadSettings(model_.Edit(), saver_.Store(), DisplayFontSettings(), errors);
        ApplyDisplayFonts(model_.Settings(), model_.Live().displays.fonts);
        for (const std::string& error : errors) ShowMessage(error, MessageStyle::Error);
    }
    return model_.Live().displays.fonts;
}

void ClockFace::ApplyDisplayFont(size_t slot) {
    marvix::ApplyDisplayFont(model_.Settings(), model_.Live().displays.fonts, slot);
    schedule_.TickSoon();
}

void ClockFace::FitAndRedraw() {
    FitFaceToScreen(model_.Live().screen, *pictures_);
    pictures_->display.Resize(pictures_->face->GetSize());
    placement_.FitToFace(pictures_->face->DeviceSize());
    Redraw();
}

void ClockFace::LoadFace(const std::string& path) {
    const FaceLoad loaded = LoadFaceFile(path, *pictures_, kTooLargeOnLoad);
    if (loaded.test == FaceTest::Refused) return;
    if (loaded.face && loaded.display) model_.Edit().BackPic = path;
    FitAndRedraw();
}

void ClockFace::ShowOwnFace() {
    const std::string& own = model_.Settings().BackPic;
    if (own.empty()) {
        pictures_->UseBuiltInFace();
    } else if (LoadFaceFile(own, *pictures_, kTooLargeOnLoad).test != FaceTest::Passed) {
        // Reported; the snapshot is no face of the clock's own any more.
        pictures_->UseBuiltInFace();
    }
    FitAndRedraw();
}

// The snapshot face at a new size: the window, both pictures and the requested centre follow,
// the shape is cut again and the desktop behind the window taken anew.
void ClockFace::ResizeSnapshot(Size size) {
    pictures_->face.Own().Resize(size);
    pictures_->display.Resize(size);
    ClockSettings& s = model_.Edit();
    s.ACX.requested = size.width / 2;
    s.ACY.requested = size.height / 2;
    placement_.Resize(pictures_->face->DeviceSize());
    TakeSnapshot();
}

// Size, FollowScreenScale or the screen's resolution changed: every picture at the new scale,
// the face loaded into them again (or the desktop taken again behind a snapshot face), the window
// sized to it and cut to its shape.
bool ClockFace::TakeScale() {
    const ClockSettings& s = model_.Settings();
    const double scale = ClockScale(s.Size, s.FollowScreenScale, DpiOf(window_.Window()));
    if (scale == pictures_->display.Scale()) return false;
    pictures_->SetScale(scale);
    placement_.SetScale(scale);
    return true;
}

void ClockFace::Rescale() {
    if (!TakeScale()) return;
    const ClockSettings& s = model_.Settings();
    if (!s.UseWall) return ShowOwnFace();
    pictures_->face.Own().Resize({s.TranWidth, s.TranHeight});
    pictures_->display.Resize(pictures_->face->GetSize());
    placement_.FitToFace(pictures_->face->DeviceSize());
    TakeSnapshot();
    Redraw();
}

// Ctrl and the mouse wheel over the clock: 10 per cent a notch, the spot under the pointer kept
// under it as far as the screen allows.
void ClockFace::Zoomed(int notches, Point pointer) {
    const int size = SizeAfterWheel(model_.Settings().Size, notches);
    if (size == model_.Settings().Size) return;
    const double before = pictures_->display.Scale();
    const Rect frame = placement_.Frame();
    const Point was{frame.left, frame.top};
    model_.Edit().Size = size;
    Rescale();
    const Point at = KeepSpotUnder(pointer, was, before, pictures_->display.Scale());
    ClockSettings& s = model_.Edit();
    s.FL = at.x, s.FT = at.y;
    placement_.MoveTo(at);
    placement_.KeepOnScreen();
    owner_.ShowLiveValues();
}

}  // namespace marvix
