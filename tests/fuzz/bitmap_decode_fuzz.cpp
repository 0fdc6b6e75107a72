// Fuzz target over the face picture decoder: any bytes at all decode or are refused without a
// crash, a leak or undefined behaviour, and what decodes is a whole picture.
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace marvix;
    const std::span<const uint8_t> file(data, size);
    (void)FaceBitCount(file);
    const std::optional<Picture> picture = DecodeBitmapFile(file);
    if (picture && (picture->width <= 0 || picture->height <= 0 ||
                    picture->pixels.size() != size_t(picture->width) * size_t(picture->height))) {
        __builtin_trap();
    }
    return 0;
}
