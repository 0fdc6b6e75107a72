#pragma once

// ClockSettings: the one record of everything the user can change. Its persisted fields are
// generated from settings_table.def and carry the registry value names; the working companions
// that follow them (resolved colours, style sets, requested and effective hand geometry, the
// legacy colour triples) live beside them.

#include <array>
#include <cstdint>
#include <string>

#include "base/colour.h"
#include "base/local_time.h"
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

// Hand lengths and the common centre exist twice: what a store or the hands dialog asked for,
// and what the face geometry rule made of it for the current face. The registry keeps the
// effective value, configuration files the requested one.
struct GeometrySetting {
    int32_t requested = 0;
    int32_t effective = 0;
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

// Configuration files of old carried five colours as red, green and blue numbers. They are kept
// only to be written back, and to stand behind a colour line that a loaded file leaves empty.
struct LegacyColourTriple {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
};

struct ClockSettings {
#define X(kind, name, defaultText) SettingFieldType<SettingKind::kind>::type name{};
#include "settings/settings_table.def"
#undef X

    // Triples A to E: hour, minute and second hand, date and day display background.
    std::array<LegacyColourTriple, 5> LegacyTriples{};

    // Live state: never stored, made anew at every start.
    int32_t FaceWidth = 0;  // the face, re-measured on every tick
    int32_t FaceHeight = 0;
    int32_t FaceMin = 0;   // the smaller of the two
    int32_t MaxWidth = 0;  // the maximized-window area of the primary screen
    int32_t MaxHeight = 0;
    bool ColonBlinkPhase = true;  // flipped every 500 ms

    // The font each digital display draws with, in font-slot order; made from the slot's
    // settings when they are applied.
    std::array<Font, 12> DisplayFonts{};
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
extern const std::array<FontSlotFields, 12> kFontSlots;

// The font colour texts follow the colours the fonts actually have, so they are regenerated
// ("255" becomes "clRed") before every save.
void RegenerateFontColourTexts(ClockSettings& settings);

}  // namespace marvix
