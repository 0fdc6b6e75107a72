// Loading a configuration file into the running clock, and saving the clock's look to one.
#include "app/clock_window_win.h"

#include "digital/display_fonts.h"

namespace marvix {

bool ClockWindow::LoadConfiguration(const std::string& path) {
    std::optional<ClockSettings> loaded = files_.Load(path, settings_);
    if (!loaded) return false;
    ChangeSettings() = std::move(*loaded);
    // A new setup: what sounded this minute under the old one does not hold it back.
    ClearSoundLatches(sounds_);
    ApplyLoadedSettings();
    return true;
}

void ClockWindow::ApplyLoadedSettings() {
    Retime();
    // An empty face name keeps the face that is shown.
    RefreshScreens();
    PrepareFace(settings_, *pictures_, live_.screen, kTooLargeOnLoad);
    FitWindowToFace();
    app_.ShowTaskbarButton(!settings_.HideMe);
    ApplyDisplayFonts(settings_, live_.displays.fonts);
    if (settings_.UseWall) TakeSnapshot();
    Restack();
    if (settings_.UseWall) TakeSnapshot();
    app_.RefreshOpenDialogs();
}

void ClockWindow::LoadFace(const std::string& path) {
    const FaceLoad loaded = LoadFaceFile(path, *pictures_, kTooLargeOnLoad);
    if (loaded.test == FaceTest::Refused) return;
    if (loaded.face && loaded.display) ChangeSettings().BackPic = path;
    FitFaceToScreen(live_.screen, *pictures_);
    pictures_->display.Resize(pictures_->face.GetSize());
    FitWindowToFace();
    Redraw();
}

bool ClockWindow::SaveConfiguration(const std::string& path) {
    // The font colours written are the fonts' own, and the settings follow them.
    RegenerateFontColourTexts(ChangeSettings());
    return files_.Save(path, settings_, live_.displays.fonts);
}

}  // namespace marvix
