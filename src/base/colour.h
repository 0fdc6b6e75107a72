#pragma once

#include <cstdint>
#include <optional>

namespace marvix {

// A colour as the settings hold it: $00BBGGRR (red in the low byte), $800000nn for the
// platform's system colour nn, or $1FFFFFFF for "no colour". System colours are resolved by the
// shell at the moment of drawing, so a theme change shows on the next tick.
struct Colour {
    uint32_t value = 0;

    static constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
        return Colour{uint32_t{r} | uint32_t{g} << 8 | uint32_t{b} << 16};
    }
    constexpr uint8_t Red() const { return value & 0xFF; }
    constexpr uint8_t Green() const { return (value >> 8) & 0xFF; }
    constexpr uint8_t Blue() const { return (value >> 16) & 0xFF; }
    constexpr bool IsSystemColour() const { return (value & 0xFF000000u) == 0x80000000u; }
    constexpr uint32_t SystemIndex() const { return value & 0xFFu; }

    friend constexpr bool operator==(Colour, Colour) = default;
};

inline constexpr Colour kNoColour{0x1FFFFFFF};

// How far apart two plain colours are to the eye, from 1 (the same) to 21 (black on white): the
// ratio of their relative luminances, each plus 0.05, the larger over the smaller (WCAG 2).
double ContrastRatio(Colour a, Colour b);

// A caption colour for text on `background`: `wanted` while it stands out at least 4.5 to 1 (what
// text of an ordinary size needs to be read), else black or white, whichever stands out more. Every
// window draws its captions through it.
Colour ReadableOn(Colour background, std::optional<Colour> wanted = std::nullopt);

}  // namespace marvix
