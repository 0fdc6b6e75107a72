#pragma once

// ClockSettings: the one record of everything the user can change, and nothing else. Its fields
// are generated from settings_table.def and carry the registry value names; a field's type keeps
// what belongs to the value (a colour's text with its resolved colour, a style set, a requested
// hand geometry). What the clock works out or keeps while it runs lives beside it, with the clock.

#include <array>
#include <cstdint>
#include <string>

#include "base/colour.h"
#include "base/surface.h"
#include "settings/encodings.h"

namespace marvix {

enum class SettingKind { Integer, Boolean, ColourText, StyleLetters, String, Geometry };

// A colour setting: the text exactly as stored (written back unchanged until a colour is picked)
// and the colour resolved from it, which is all that drawing code looks at.
struct ColourSetting {
    std::string text;
    Colour value;
};

// A hand length or the common centre as a store or the hands dialog asked for it. What the face
// geometry rule makes of it for the current face is derived and kept by the clock; the registry
// is written the effective value, configuration files the requested one.
struct GeometrySetting {
    int32_t requested = 0;
    friend bool operator==(const GeometrySetting&, const GeometrySetting&) = default;
};

// clang-format off
template <SettingKind> struct SettingFieldType;
template <> struct SettingFieldType<SettingKind::Integer> { using type = int32_t; };
template <> struct SettingFieldType<SettingKind::Boolean> { using type = bool; };
template <> struct SettingFieldType<SettingKind::ColourText> { using type = ColourSetting; };
template <> struct SettingFieldType<SettingKind::StyleLetters> { using type = FontStyle; };
template <> struct SettingFieldType<SettingKind::String> { using type = std::string; };
template <> struct SettingFieldType<SettingKind::Geometry> { using type = GeometrySetting; };
// clang-format on

struct ClockSettings {
#define X(kind, name, defaultText) SettingFieldType<SettingKind::kind>::type name{};
#include "settings/settings_table.def"
// The program's own settings come after the clock's.
#include "settings/program_settings.def"
#undef X
};

// Every persisted field at the default of its table row.
ClockSettings DefaultSettings();

// Font slot n (1 to 12) belongs to display n in the order DAY, DATE, MONTH, YEAR, HOUR, MINUTE,
// SECOND, COLON1, COLON2, AM/PM, INTER1, INTER2.
struct FontSlotFields {
    std::string ClockSettings::*face;
    int32_t ClockSettings::*size;
    FontStyle ClockSettings::*style;
    ColourSetting ClockSettings::*colour;
};
#define MARVIX_FONT_SLOT(n)                                                    \
    FontSlotFields {                                                           \
        .face = &ClockSettings::DFont##n, .size = &ClockSettings::FSize##n,    \
        .style = &ClockSettings::FStyle##n, .colour = &ClockSettings::CFont##n \
    }
inline constexpr std::array<FontSlotFields, 12> kFontSlots = {
    MARVIX_FONT_SLOT(1), MARVIX_FONT_SLOT(2),  MARVIX_FONT_SLOT(3),  MARVIX_FONT_SLOT(4),
    MARVIX_FONT_SLOT(5), MARVIX_FONT_SLOT(6),  MARVIX_FONT_SLOT(7),  MARVIX_FONT_SLOT(8),
    MARVIX_FONT_SLOT(9), MARVIX_FONT_SLOT(10), MARVIX_FONT_SLOT(11), MARVIX_FONT_SLOT(12),
};
#undef MARVIX_FONT_SLOT

// The font each digital display draws with, in font-slot order: made from the slot's settings
// when they are applied, but not a setting itself (a slot with no face name keeps the face its
// font had).
using DisplayFonts = std::array<Font, 12>;

// The font colour texts follow the colours the fonts actually have, so they are regenerated
// ("255" becomes "clRed") before every save.
void RegenerateFontColourTexts(ClockSettings& settings);

// A copy of a clock for another place: its ticks, tocks, chimes and alarms off, so that two
// clocks never sound for the same moment.
void WithoutSounds(ClockSettings& settings);

}  // namespace marvix
