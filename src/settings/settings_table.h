#pragma once

// The table of the 322 persisted settings of the clock, built from settings_table.def, and of the
// program's own beyond them (program_settings.def): each row's name, kind, default text and
// field. The registry store, configuration files and dialogs all work from it, so no other file
// spells a setting's name for storage.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/clock_settings.h"

namespace marvix {

enum class Encoding { Integer, Boolean, ColourText, StyleLetters, String };

using SettingField = std::variant<int32_t ClockSettings::*, bool ClockSettings::*,
                                  ColourSetting ClockSettings::*, FontStyle ClockSettings::*,
                                  std::string ClockSettings::*, GeometrySetting ClockSettings::*>;

struct SettingDef {
    std::string_view name;
    SettingKind kind;
    std::string_view defaultText;
    SettingField field;

    constexpr Encoding encoding() const {
        switch (kind) {
            case SettingKind::Integer:
            case SettingKind::Geometry: return Encoding::Integer;
            case SettingKind::Boolean: return Encoding::Boolean;
            case SettingKind::ColourText: return Encoding::ColourText;
            case SettingKind::StyleLetters: return Encoding::StyleLetters;
            case SettingKind::String: return Encoding::String;
        }
        return Encoding::String;
    }
};

// The clock's own settings, then the program's (program_settings.def), kept under a subkey.
inline constexpr size_t kSettingCount = 322;
inline constexpr size_t kProgramSettingCount = 43;
inline constexpr size_t kAllSettingCount = kSettingCount + kProgramSettingCount;

// Every setting by its name, in the table's order: what names a setting in code (a dialog's row, a
// line of the configuration file) names it so, and a misspelt name does not build.
enum class Setting : uint16_t {
#define X(kind, name, defaultText) name,
#include "settings/settings_table.def"
// The program's own settings come after the clock's.
#include "settings/program_settings.def"
#undef X
};

// The table's row of a setting.
const SettingDef& DefOf(Setting setting);

// Each setting's field, in the table's order.
inline constexpr std::array<SettingField, kAllSettingCount> kSettingFields = {{
#define X(kind, name, defaultText) SettingField{&ClockSettings::name},
#include "settings/settings_table.def"
// The program's own settings come after the clock's.
#include "settings/program_settings.def"
#undef X
}};

// The setting a field holds, for tables that name their settings by field (the hands' and the
// displays'). Asked at compile time, a field of no setting does not build.
constexpr Setting SettingOf(SettingField field) {
    size_t i = 0;
    while (kSettingFields[i] != field) ++i;
    return static_cast<Setting>(i);
}

// The clock's settings, in the order the registry store writes them at exit, Still last.
std::span<const SettingDef, kSettingCount> AllSettings();
// The program's own settings, kept under the subkey, in their order.
std::span<const SettingDef, kProgramSettingCount> ProgramSettings();

// The row of that registry value name (exact case), or nullptr: for names read from text (a
// recipe, a test's table), never for names the code itself spells.
const SettingDef* FindSetting(std::string_view name);

// Converts text into the field. Fails, changing nothing, only when an integer or colour text
// does not convert; the caller reports NotAnIntegerMessage(text).
bool AssignSettingText(ClockSettings& settings, const SettingDef& def, std::string_view text);

// Whether stored text is a value the setting may hold. The clock's own settings take what their
// kind converts, as the clock always has; the program's own hold only "true" or "false" as a
// boolean, a number within its bounds, a text within its length (a zone or a font is never empty,
// an alarm's label at most 40 characters). A stored value that may not be held takes the default.
bool MayHold(const SettingDef& def, std::string_view text);

// The field as stored text.
std::string SettingText(const ClockSettings& settings, const SettingDef& def);

}  // namespace marvix
