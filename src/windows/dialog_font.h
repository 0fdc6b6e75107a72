#pragma once

// ApplyDialogFont's choice: the system's small raster sans-serif at 8 points on a screen of 96
// pixels per inch, and its serif sibling at 6 points on any other, where the sans-serif would not
// scale. The windows are laid out in pixels, so on a screen finer than 144 pixels per inch the
// serif keeps the height it has there: at 6 points it would outgrow the fields and boxes.

#include <algorithm>
#include <string_view>

namespace marvix {

struct DialogFontChoice {
    std::string_view face;  // "MS Sans Serif" is SSERIFE.FON, "MS Serif" SERIFE.FON
    int pixels;             // the character height
};

constexpr int PointsToPixels(int points, int pixelsPerInch) {
    return (points * pixelsPerInch + 36) / 72;
}

constexpr DialogFontChoice DialogFontFor(int pixelsPerInch) {
    if (pixelsPerInch == 96) return {"MS Sans Serif", PointsToPixels(8, 96)};
    return {"MS Serif", std::min(PointsToPixels(6, pixelsPerInch), PointsToPixels(6, 144))};
}

}  // namespace marvix
