#include "digital/display_pass.h"

#include <algorithm>

#include "digital/display_texts.h"

namespace marvix {

DisplayPlaces PlacedDisplays(const ClockSettings& s, Size face) {
    const int W = face.width, H = face.height, F = kFramePointSize;
    DisplayPlaces places;
    for (size_t i = 0; i < kAutoPlacedDisplays; ++i) {
        const DisplaySpec& spec = kDisplays[i];
        Point& at = places[i];
        if (s.*spec.autoPlace) {
            at = {W - W / 6, H / 2 - F / 2};
            // DAY sits one line of text and three pixels below the others.
            if (i == static_cast<size_t>(Display::Day)) at.y += F + 3;
        } else {
            at = {std::min(s.*spec.x, W), std::min(s.*spec.y, H)};
        }
    }
    return places;
}

void DrawDigitalDisplays(const ClockSettings& s, const DisplayLook& look,
                         const DisplayPlaces& places, FrameSurfaces& f, const ClockInstant& now) {
    const int faceWidth = f.display.GetSize().width;
    for (size_t i = 0; i < kDisplayCount; ++i) {
        const DisplaySpec& spec = kDisplays[i];
        if (!(s.*spec.show)) continue;
        Surface& box = *f.digits[i];
        const Font& font = look.fonts[i];
        const std::string text =
            DisplayText(static_cast<Display>(i), s, look.colonsShown, now.time, now.utcBias);
        const Size size = box.TextExtent(text, font);
        // An empty text has no width: the display does not appear.
        if (size.width <= 0 || size.height <= 0) continue;
        box.Resize(size);

        const Point at = i < kAutoPlacedDisplays ? places[i] : Point{s.*spec.x, s.*spec.y};
        const bool transparent = s.*spec.transparent;
        const Colour background = (s.*spec.background).value;
        if (transparent) {
            box.CopyFrom(f.face, Rect::At(at, size), {0, 0});
        } else {
            box.FillRect(Rect::At({0, 0}, size), background);
        }
        box.WriteText({0, 0}, text, font, transparent ? Brush::Clear() : Brush{background});

        if (!s.Reversed) {
            f.display.CopyFrom(box, Rect::At({0, 0}, size), at);
        } else {
            // Mirrored exactly only from the last column leftward; the face under a transparent
            // box was taken unmirrored, so it matches the mirrored face where the box lands.
            f.display.StretchFrom(box, {size.width - 1, 0}, {-size.width, size.height},
                                  Rect::At({faceWidth - at.x - size.width, at.y}, size));
        }
    }
}

}  // namespace marvix
