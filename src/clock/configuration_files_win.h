#pragma once

// Configuration files as the clock loads and saves them: every failure reported through the
// message seam, and the last loaded file's legacy colour triples kept to be written again.

#include <optional>
#include <string>

#include "settings/clock_settings.h"
#include "settings/config_file.h"

namespace marvix {

class ConfigurationFiles {
public:
    // The settings the file at `path` makes of `current`; nullopt, reported, when it cannot be
    // read or is not a good file.
    std::optional<ClockSettings> Load(const std::string& path, const ClockSettings& current);
    // Returns whether the file was written; a failure is reported.
    bool Save(const std::string& path, const ClockSettings& settings,
              const DisplayFonts& fonts) const;

private:
    LegacyTriples triples_{};
};

}  // namespace marvix
