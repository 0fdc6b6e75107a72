#pragma once

// Configuration files (".ccf"): a whole clock look as 336 lines of text, one value per line by
// position, in the platform's 8-bit code page with CR LF line ends. Files of old may end early or
// leave lines empty; every line past the first 44 has a rule for that.

#include <optional>
#include <string>
#include <string_view>

#include "settings/clock_settings.h"

namespace marvix {

inline constexpr size_t kConfigLineCount = 336;

// The file's text for these settings: requested hand geometry, font names and sizes as the
// display fonts hold them, font colours named from the fonts' colours, styles as letters, the
// legacy colour triples unchanged. A line break inside a text becomes a space, so that it cannot
// move every later value to the wrong line.
std::string SaveConfigText(const ClockSettings& settings);

struct ConfigLoad {
    std::optional<ClockSettings> settings;  // set when the whole file is good
    std::string error;                      // the message when it is not
};

// Reads a file's text on top of `current`: the values the file carries are replaced, Tray, Still
// and the live state are kept. A must-parse line that is no integer, or a colour text that is no
// colour, fails the whole load, so a half-read file never reaches the clock.
ConfigLoad LoadConfigText(std::string_view text, const ClockSettings& current);

// The name a save uses: unchanged when it is longer than four characters and ends in ".ccf"
// (exact case), else with ".ccf" added; nullopt for four characters or fewer, which cannot be
// saved.
std::optional<std::string> ConfigSaveName(std::string_view name);

}  // namespace marvix
