#pragma once

// Configuration files as the clock loads and saves them: a file loaded becomes the clock's look
// (its face, window, fonts and place), a save writes the look as it stands. Every failure is
// reported through the message seam, and the last loaded file's legacy colour triples are kept
// to be written again.

#include <optional>
#include <string>

#include "clock/clock_face_win.h"
#include "clock/clock_owner_win.h"
#include "clock/clock_placement_win.h"
#include "frame/clock_model.h"
#include "settings/clock_settings.h"
#include "settings/config_file.h"
#include "windows/clock_parts.h"

namespace marvix {

class ConfigurationFiles final : public ClockFiles {
public:
    ConfigurationFiles(ClockOwner& owner, ClockModel& model, ClockFace& face,
                       ClockPlacement& placement)
        : owner_(owner), model_(model), face_(face), placement_(placement) {}

    // A file that does not load changes nothing. A file that would switch off an alarm asks
    // first whether to keep the alarms.
    bool LoadConfiguration(const std::string& path) override;
    bool SaveConfiguration(const std::string& path) override;

private:
    // The settings the file at `path` makes of the clock's; nullopt, reported, when it cannot be
    // read or is not a good file.
    std::optional<ClockSettings> Load(const std::string& path);

    ClockOwner& owner_;
    ClockModel& model_;
    ClockFace& face_;
    ClockPlacement& placement_;
    LegacyTriples triples_{};
};

}  // namespace marvix
