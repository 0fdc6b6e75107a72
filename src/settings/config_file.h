#pragma once

// Configuration files (".ccf"): a whole clock look as 336 lines of text, one value per line by
// position, in the platform's 8-bit code page with CR LF line ends. Files of old may end early or
// leave lines empty; every line past the first 44 has a rule for that.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/clock_settings.h"

namespace marvix {

inline constexpr size_t kConfigLineCount = 336;

// Configuration files of old carried five colours as red, green and blue numbers: triples A to E,
// the hour, minute and second hand, date and day display background. They are not settings: the
// clock keeps the last loaded file's, only to write them back and to stand behind a colour line
// that the file leaves empty.
struct LegacyColourTriple {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};
using LegacyTriples = std::array<LegacyColourTriple, 5>;

// The file's text for these settings: requested hand geometry, font names and sizes as the
// display fonts hold them, font colours named from the fonts' colours, styles as letters, the
// legacy colour triples unchanged. A line break inside a text becomes a space, so that it cannot
// move every later value to the wrong line.
std::string SaveConfigText(const ClockSettings& settings, const DisplayFonts& fonts,
                           const LegacyTriples& triples);

struct ConfigLoad {
    std::optional<ClockSettings> settings;  // set when the whole file is good
    LegacyTriples triples{};                // the file's
    std::string error;                      // the message when it is not
};

// Reads a file's text on top of `current`: the values the file carries are replaced, Tray and
// Still are kept. A must-parse line that is no integer, or a colour text that is no
// colour, fails the whole load, so a half-read file never reaches the clock.
ConfigLoad LoadConfigText(std::string_view text, const ClockSettings& current);

// The name a save uses: unchanged when it ends in ".ccf" (exact case), else with ".ccf" added,
// so "mine" saves as "mine.ccf"; nullopt for an empty name or one that is nothing but ".ccf",
// which name no file.
std::optional<std::string> ConfigSaveName(std::string_view name);

}  // namespace marvix
