#include "clock/configuration_files_win.h"

#include "base/message_seam_win.h"
#include "settings/config_store_win.h"
#include "settings/file_paths.h"
#include "windows/clock_messages.h"

namespace marvix {

std::optional<ClockSettings> ConfigurationFiles::Load(const std::string& path,
                                                      const ClockSettings& current) {
    const std::string whole = FullPathOf(path);
    unsigned long error = 0;
    const std::optional<std::string> text = ReadConfigFile(whole, &error);
    if (!text) {
        ShowMessage(NamingFile(kCannotLoadFile, whole, FileProblemInWords(error)));
        return std::nullopt;
    }
    ConfigLoad loaded = LoadConfigText(*text, current);
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

bool ConfigurationFiles::Save(const std::string& path, const ClockSettings& settings,
                              const DisplayFonts& fonts) const {
    const std::string whole = FullPathOf(path);
    // A face or sound inside the file's folder is named from it, as the gallery names its own,
    // so that the folder can be moved or given away whole.
    ClockSettings written = settings;
    RelateFilePaths(written, FolderOf(whole));
    unsigned long error = 0;
    if (!WriteConfigFile(whole, SaveConfigText(written, fonts, triples_), &error)) {
        ShowMessage(NamingFile(kCannotSaveFile, whole, FileProblemInWords(error)));
        return false;
    }
    return true;
}

}  // namespace marvix
