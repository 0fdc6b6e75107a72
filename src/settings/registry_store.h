#pragma once

// The rules of the registry store: which settings are read and written when, and how a value
// that cannot be read is handled. The registry itself is behind RegistryValues, so these rules
// run against an in-memory map in tests; registry_store_win.h has the real one.
//
// The sequences: Tray first while the clock window is created, the other start-up values right
// after, the twelve display fonts at the first activation, and everything but Still at exit.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_table.h"

namespace marvix {

struct StoredText {
    std::optional<std::string> text;  // nullopt: the store holds no such value
    std::string error;                // set when the store holds the value but cannot read it
};

// The values of the clock's key, each one text.
class RegistryValues {
public:
    virtual ~RegistryValues() = default;
    virtual StoredText ReadValue(std::string_view name) = 0;
    // Returns an error message, or an empty string on success.
    virtual std::string WriteValue(std::string_view name, std::string_view text) = 0;
};

// What a registry value's raw data says: text for a string value (up to its first NUL, or all
// of it when there is none), an "Invalid data type" error for any other type.
enum class RegistryType { String, Other };
StoredText DecodeRegistryData(std::string_view name, RegistryType type, std::string_view data);

using SettingSequence = std::span<const SettingDef* const>;

SettingSequence TraySetting();
// The 273 values read while the clock window is created, after Tray.
SettingSequence StartupSettings();
// DFont1, FSize1, ... DFont12, FSize12, then FStyle1..12, then CFont1..12.
SettingSequence DisplayFontSettings();
// The 321 values written at exit: every setting but Still.
SettingSequence ExitSettings();
// The program's own settings, under the clock key's subkey: read at start after the clock's,
// written with them.
SettingSequence ProgramSequence();

// Reads each setting of the sequence; hand geometry goes into the requested values. A value the store does not hold takes its default
// silently. One it cannot read, or whose text does not convert, is reported in `errors` and
// takes its default, and reading goes on: a damaged value must neither stop the clock from
// starting nor leave later settings unread (the exit save would write blanks over them).
void ReadSettings(ClockSettings& settings, RegistryValues& store, SettingSequence sequence,
                  std::vector<std::string>& errors);

// Everything the clock reads, in its order: Tray, the start-up values, then the fonts. (The
// clock itself does something between the steps; tools that only need the settings use this.)
void ReadAllSettings(ClockSettings& settings, RegistryValues& store,
                     std::vector<std::string>& errors);

// Regenerates the font colour texts, then writes the sequence. The clock hands it its record with
// the derived face layout folded in (the effective hand geometry, the placed displays). Stops at
// the first value the store refuses, reporting it; returns false then.
bool WriteSettings(ClockSettings& settings, RegistryValues& store, SettingSequence sequence,
                   std::vector<std::string>& errors);

// The texts the exit save writes, in its order, without touching the record: the font colour
// texts as they would be regenerated. Given the record with the face layout folded in.
std::vector<std::string> ExitValues(const ClockSettings& settings);
// The texts of the program's own settings, in ProgramSequence's order.
std::vector<std::string> ProgramValues(const ClockSettings& settings);
// Writes `values` (one per setting of the sequence) as WriteSettings does.
bool WriteValues(RegistryValues& store, SettingSequence sequence,
                 std::span<const std::string> values, std::vector<std::string>& errors);

}  // namespace marvix
