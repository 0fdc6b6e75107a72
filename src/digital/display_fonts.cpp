#include "digital/display_fonts.h"

namespace marvix {

void ApplyDisplayFont(const ClockSettings& s, DisplayFonts& fonts, size_t index) {
    const FontSlotFields& slot = kFontSlots[index];
    Font& font = fonts[index];
    const std::string& face = s.*slot.face;
    if (!face.empty()) font.face = face.substr(0, kMaxFontFaceLength);
    font.pointSize = s.*slot.size;
    font.style = s.*slot.style;
    font.colour = (s.*slot.colour).value;
}

void ApplyDisplayFonts(const ClockSettings& s, DisplayFonts& fonts) {
    for (size_t i = 0; i < kFontSlots.size(); ++i) ApplyDisplayFont(s, fonts, i);
}

}  // namespace marvix
