#pragma once

// ApplyDialogFont's choice: the system's small raster sans-serif at 8 points on a screen of 96 pixels per
// inch, and its serif sibling at 6 points on any other, where the sans-serif would not scale.

#include <string_view>

namespace marvix {

struct DialogFontChoice {
    std::string_view face;  // "MS Sans Serif" is SSERIFE.FON, "MS Serif" SERIFE.FON
    int points;
};

constexpr DialogFontChoice DialogFontFor(int pixelsPerInch) {
    return pixelsPerInch == 96 ? DialogFontChoice{"MS Sans Serif", 8}
                               : DialogFontChoice{"MS Serif", 6};
}

}  // namespace marvix
