#include "base/resample.h"

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb_image_resize.h>

namespace marvix {

Picture Resampled(const Picture& picture, Size size) {
    Picture out{size.width, size.height, {}};
    if (size.width <= 0 || size.height <= 0 || picture.width <= 0 || picture.height <= 0)
        return out;
    out.pixels.resize(static_cast<size_t>(size.width) * size.height);
    // 0x00RRGGBB in memory is blue, green, red and a byte that stays 0: four channels, no alpha.
    stbir_resize_uint8_srgb(reinterpret_cast<const unsigned char*>(picture.pixels.data()),
                            picture.width, picture.height, 0,
                            reinterpret_cast<unsigned char*>(out.pixels.data()), size.width,
                            size.height, 0, 4, STBIR_ALPHA_CHANNEL_NONE, 0);
    return out;
}

}  // namespace marvix
