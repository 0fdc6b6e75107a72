#include "base/colour.h"

#include <algorithm>
#include <cmath>

namespace marvix {

namespace {

// One sRGB channel as the light it gives, from 0 to 1.
double Linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour colour) {
    return 0.2126 * Linear(colour.Red()) + 0.7152 * Linear(colour.Green()) +
           0.0722 * Linear(colour.Blue());
}

}  // namespace

double ContrastRatio(Colour a, Colour b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour ReadableOn(Colour background, std::optional<Colour> wanted) {
    constexpr double kReadable = 4.5;  // WCAG's least for text of an ordinary size
    if (wanted && ContrastRatio(*wanted, background) >= kReadable) return *wanted;
    const Colour black = Colour::Rgb(0, 0, 0), white = Colour::Rgb(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

}  // namespace marvix
