#include "clock/configuration_files_win.h"

#include "base/message_seam_win.h"
#include "digital/display_fonts.h"
#include "frame/kept_alarms.h"
#include "frame/placement.h"
#include "settings/config_store_win.h"
#include "settings/file_paths.h"
#include "windows/clock_messages.h"

namespace marvix {

std::optional<ClockSettings> ConfigurationFiles::Load(const std::string& path) {
    const std::string whole = FullPathOf(path);
    unsigned long error = 0;
    const std::optional<std::string> text = ReadConfigFile(whole, &error);
    if (!text) {
        ShowMessage(NamingFile(kCannotLoadFile, whole, FileProblemInWords(error)));
        return std::nullopt;
    }
    ConfigLoad loaded = LoadConfigText(*text, model_.Settings());
    if (!loaded.settings) {
        ShowMessage(loaded.error, MessageStyle::Error);
        return std::nullopt;
    }
    triples_ = loaded.triples;
    // The file names its face and sounds from its own folder; the clock holds them whole, so that
    // the next start finds them from whatever folder it starts in. The file itself is not
    // touched.
    ResolveFilePaths(*loaded.settings, FolderOf(whole));
    return std::move(loaded.settings);
}

bool ConfigurationFiles::LoadConfiguration(const std::string& path) {
    std::optional<ClockSettings> loaded = Load(path);
    if (!loaded) return false;
    // Trying a look must not switch off the alarms that wake someone: Yes, the default, keeps them.
    if (const auto question = KeepAlarmsQuestion(model_.Settings(), *loaded);
        question && AskYesNo(*question, true)) {
        KeepAlarms(*loaded, model_.Settings());
    }
    model_.Replace(std::move(*loaded));
    face_.Retime();
    // An empty face name keeps the face that is shown.
    face_.PrepareFaceAndWindow(kTooLargeOnLoad);
    owner_.ShowTaskbarButton(!model_.Settings().HideMe);
    ApplyDisplayFonts(model_.Settings(), model_.Live().displays.fonts);
    // After the restacking, so that the snapshot is of what lies behind the clock where it now
    // stands; taken once, since each hides the clock and waits on the window thread.
    placement_.Restack();
    if (model_.Settings().UseWall) face_.TakeSnapshot();
    owner_.ConfigurationLoaded();
    return true;
}

bool ConfigurationFiles::SaveConfiguration(const std::string& path) {
    // The font colours written are the fonts' own, and the settings follow them.
    RegenerateFontColourTexts(model_.Edit());
    const std::string whole = FullPathOf(path);
    // A face or sound inside the file's folder is named from it, as the gallery names its own,
    // so that the folder can be moved or given away whole.
    ClockSettings written = model_.Written(WrittenTo::File);
    RelateFilePaths(written, FolderOf(whole));
    unsigned long error = 0;
    if (!WriteConfigFile(whole, SaveConfigText(written, model_.Live().displays.fonts, triples_),
                         &error)) {
        ShowMessage(NamingFile(kCannotSaveFile, whole, FileProblemInWords(error)));
        return false;
    }
    return true;
}

}  // namespace marvix
