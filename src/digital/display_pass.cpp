#include "digital/display_pass.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "digital/display_texts.h"

namespace marvix {
namespace {

// The numbers' leading spaces are there to keep a one-digit value where a two-digit one stands
// (" 1" under "12"). In a proportional font a space is narrower than a digit, and "1 :02" opens a
// gap before the colon; so each such space is given a digit's width and the digits after it are
// drawn where a fixed-pitch font would put them. A fixed-pitch font draws exactly as before.
bool KeepsDigitsInPlace(Display d) {
    return d == Display::Hour || d == Display::Date || d == Display::Inter1 || d == Display::Inter2;
}

struct LaidOutText {
    std::string_view drawn;  // the text without the spaces that stand in for digits
    int indent = 0;          // where it is drawn in its box
    Size box;
};

LaidOutText LayOut(Display d, std::string_view text, Surface& box, const Font& font) {
    const size_t lead = KeepsDigitsInPlace(d) ? text.find_first_not_of(' ') : 0;
    if (lead == 0 || lead == std::string_view::npos) return {text, 0, box.TextExtent(text, font)};
    const int digit = box.TextExtent("0", font).width;
    if (digit == box.TextExtent(" ", font).width) return {text, 0, box.TextExtent(text, font)};
    const std::string_view drawn = text.substr(lead);
    const Size rest = box.TextExtent(drawn, font);
    const int indent = static_cast<int>(lead) * digit;
    return {drawn, indent, {indent + rest.width, rest.height}};
}

}  // namespace

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
        const LaidOutText laid = LayOut(static_cast<Display>(i), text, box, font);
        const Size size = laid.box;
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
        box.WriteText({laid.indent, 0}, laid.drawn, font,
                      transparent ? Brush::Clear() : Brush{background});

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
