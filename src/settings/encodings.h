#pragma once

// The five text encodings every persisted setting uses, in the registry and in configuration
// files alike: integers, booleans, colour texts, font style letters and verbatim strings.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/colour.h"
#include "base/surface.h"

namespace marvix {

// The one conversion error users ever see: "'12a' is not a valid integer value".
std::string NotAnIntegerMessage(std::string_view text);

// Leading spaces, then an optional sign and decimal digits, or "$" and hexadecimal digits in
// either case. Anything else, trailing spaces and the empty text included, is no integer.
// Hexadecimal takes up to eight significant digits as a 32-bit pattern ("$FFFFFFFF" is -1), so
// every colour value, system colours included, round-trips.
std::optional<int32_t> ParseInteger(std::string_view text);
std::string IntegerText(int32_t value);

// Only exactly "true" is true: "TRUE", "1" and "yes" are false.
bool ParseBoolean(std::string_view text);
std::string_view BooleanText(bool value);

struct ColourName {
    std::string_view name;
    Colour colour;
};
// In search order: the sixteen basic colours, the twenty-five system colours, then clNone. When
// a text is generated from a value the first entry with that value names it.
extern const std::array<ColourName, 42> kColourNames;

// A colour name (any letter case) or an integer text; nullopt for anything else.
std::optional<Colour> ParseColour(std::string_view text);
// The colour's name when it has one ("clBlue"), else "$" and eight upper-case hex digits.
std::string ColourText(Colour colour);

// Only seven style sets have letters; every other set, regular included, is written as the empty
// text, so an italic underlined font comes back regular.
FontStyle ParseFontStyle(std::string_view letters);
std::string_view FontStyleLetters(FontStyle style);

}  // namespace marvix
