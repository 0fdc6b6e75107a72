#include "digital/clock_label.h"

namespace marvix {

Font LabelFont(const ClockSettings& s) {
    return {s.LabelFont, s.LabelSize, s.LabelStyle, s.LabelColour.value};
}

Point LabelPlaceAsSet(const ClockSettings& s, Size face, Size size) {
    return {s.LabelX < 0 ? (face.width - size.width) / 2 : s.LabelX,
            s.LabelY < 0 ? face.height * 2 / 3 - size.height / 2 : s.LabelY};
}

Point LabelPlace(const ClockSettings& s, Size face, Size size) {
    Point at = LabelPlaceAsSet(s, face, size);
    // The words stay readable on a mirrored clock; only their place is mirrored.
    if (s.Reversed) at.x = face.width - at.x - size.width;
    return at;
}

void DrawLabel(const ClockSettings& s, FrameSurfaces& f) {
    if (!s.LabelShow || s.Label.empty()) return;
    const Font font = LabelFont(s);
    const Size size = f.display.TextExtent(s.Label, font);
    f.display.WriteText(LabelPlace(s, f.display.GetSize(), size), s.Label, font, Brush::Clear());
}

}  // namespace marvix
