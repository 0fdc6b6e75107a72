#pragma once

// ApplyDialogFont's choice: the system's small raster sans-serif at 8 points on a screen of 96
// pixels per inch, the resolution every window is laid out for; on any other, where the windows
// are scaled and the raster face has no size to match, Tahoma at 8 points, which scales with them
// and is on every Windows from 2000 on.

#include <string_view>

namespace marvix {

struct DialogFontChoice {
    std::string_view face;  // "MS Sans Serif" is SSERIFE.FON
    int pixels;             // the character height
};

constexpr int PointsToPixels(int points, int pixelsPerInch) {
    return (points * pixelsPerInch + 36) / 72;
}

constexpr DialogFontChoice DialogFontFor(int pixelsPerInch) {
    if (pixelsPerInch == 96) return {"MS Sans Serif", PointsToPixels(8, 96)};
    return {"Tahoma", PointsToPixels(8, pixelsPerInch)};
}

}  // namespace marvix
