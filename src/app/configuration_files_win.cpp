#include "app/configuration_files_win.h"

#include "base/message_seam_win.h"
#include "settings/config_store_win.h"
#include "windows/clock_messages.h"

namespace marvix {

std::optional<ClockSettings> ConfigurationFiles::Load(const std::string& path,
                                                      const ClockSettings& current) {
    const std::optional<std::string> text = ReadConfigFile(path);
    if (!text) {
        ShowMessage(kCannotLoadFile);
        return std::nullopt;
    }
    ConfigLoad loaded = LoadConfigText(*text, current);
    if (!loaded.settings) {
        ShowMessage(loaded.error, MessageStyle::Error);
        return std::nullopt;
    }
    triples_ = loaded.triples;
    return std::move(loaded.settings);
}

bool ConfigurationFiles::Save(const std::string& path, const ClockSettings& settings,
                              const DisplayFonts& fonts) const {
    if (!WriteConfigFile(path, SaveConfigText(settings, fonts, triples_))) {
        ShowMessage(kCannotSaveFile);
        return false;
    }
    return true;
}

}  // namespace marvix
