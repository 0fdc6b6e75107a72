// The running clock's face and configuration files: a face picked, the snapshot face resized, a
// configuration loaded into the clock and the clock's look saved to one.
#include "app/running_clock_win.h"

#include "base/message_seam_win.h"
#include "digital/display_fonts.h"
#include "frame/kept_alarms.h"

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
    app_.RefreshOpenDialogs();
    return true;
}

void RunningClock::LoadFace(const std::string& path) {
    const FaceLoad loaded = LoadFaceFile(path, *pictures_, kTooLargeOnLoad);
    if (loaded.test == FaceTest::Refused) return;
    if (loaded.face && loaded.display) model_.Edit().BackPic = path;
    FitFaceToScreen(model_.Live().screen, *pictures_);
    pictures_->display.Resize(pictures_->face.GetSize());
    placement_.FitToFace(pictures_->face.GetSize(), Settings());
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
    placement_.FitToFace(pictures_->face.GetSize(), Settings());
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
    placement_.Resize(size, Settings());
    TakeSnapshot();
}

bool RunningClock::SaveConfiguration(const std::string& path) {
    // The font colours written are the fonts' own, and the settings follow them.
    RegenerateFontColourTexts(model_.Edit());
    return files_.Save(path, model_.Written(WrittenTo::File), model_.Live().displays.fonts);
}

}  // namespace marvix
