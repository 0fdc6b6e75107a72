#pragma once

// The twelve display fonts: what a font slot's settings make of the font its display draws with.

#include "settings/clock_settings.h"

namespace marvix {

// A face name longer than this is cut when applied; the setting keeps the whole text.
inline constexpr size_t kMaxFontFaceLength = 31;

// Applies slot `index` (0 to 11) to its display font: the face (an empty name leaves the face the
// font has), the size, the style set and the resolved colour.
void ApplyDisplayFont(const ClockSettings& settings, DisplayFonts& fonts, size_t index);
void ApplyDisplayFonts(const ClockSettings& settings, DisplayFonts& fonts);

}  // namespace marvix
