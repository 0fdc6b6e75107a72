#include "base/bitmap_file.h"

#include <new>

namespace marvix {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoHeaderBytes = 40;
// The header of old (OS/2 bitmaps): 16-bit sizes, always bottom-up and uncompressed, palette
// entries of three bytes.
constexpr size_t kCoreHeaderBytes = 12;
constexpr uint32_t kUncompressed = 0, kRle8 = 1, kRle4 = 2;
// Beyond any face that fits a screen, and beyond the 24 million pixels a 1-bit file of the
// largest allowed size can hold; keeps the pixel buffer at 128 MB at most.
constexpr int64_t kMaxPixels = int64_t{1} << 25;

uint16_t U16(std::span<const uint8_t> d, size_t at) { return uint16_t(d[at] | d[at + 1] << 8); }
uint32_t U32(std::span<const uint8_t> d, size_t at) {
    return uint32_t(d[at]) | uint32_t(d[at + 1]) << 8 | uint32_t(d[at + 2]) << 16 |
           uint32_t(d[at + 3]) << 24;
}

struct Layout {
    int width;
    int height;  // positive
    bool topDown;
    int bitCount;
    uint32_t compression;
    std::vector<uint32_t> palette;
    std::span<const uint8_t> bits;  // from the pixel offset to the end of the file
};

std::optional<Layout> ReadLayout(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderBytes + kCoreHeaderBytes) return std::nullopt;
    if (file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const uint32_t pixelOffset = U32(file, 10);
    const uint32_t infoSize = U32(file, 14);
    const bool core = infoSize == kCoreHeaderBytes;
    if ((!core && infoSize < kInfoHeaderBytes) || infoSize > file.size() - kFileHeaderBytes)
        return std::nullopt;

    Layout layout{};
    const int32_t width = core ? U16(file, 18) : static_cast<int32_t>(U32(file, 18));
    const int32_t height = core ? U16(file, 20) : static_cast<int32_t>(U32(file, 22));
    const uint16_t planes = core ? U16(file, 22) : U16(file, 26);
    layout.bitCount = core ? U16(file, 24) : U16(file, 28);
    layout.compression = core ? kUncompressed : U32(file, 30);
    const uint32_t coloursUsed = core ? 0 : U32(file, 46);
    if (planes != 1 || width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = layout.topDown ? -height : height;
    if (int64_t{layout.width} * layout.height > kMaxPixels) return std::nullopt;

    const bool known = (layout.bitCount == 1 || layout.bitCount == 4 || layout.bitCount == 8) &&
                       (layout.compression == kUncompressed ||
                        (layout.compression == kRle8 && layout.bitCount == 8) ||
                        (layout.compression == kRle4 && layout.bitCount == 4));
    // Run-length bitmaps are always stored bottom-up.
    if (!known || (layout.compression != kUncompressed && layout.topDown)) return std::nullopt;

    const uint32_t maxColours = 1u << layout.bitCount;
    const uint32_t colours = coloursUsed == 0 ? maxColours : coloursUsed;
    if (colours > maxColours) return std::nullopt;
    const size_t paletteAt = kFileHeaderBytes + infoSize;
    const size_t entryBytes = core ? 3 : 4;
    if (paletteAt + size_t{colours} * entryBytes > file.size()) return std::nullopt;
    for (uint32_t i = 0; i < colours; ++i) {
        const size_t at = paletteAt + i * entryBytes;  // blue, green, red (, reserved)
        layout.palette.push_back(uint32_t(file[at + 2]) << 16 | uint32_t(file[at + 1]) << 8 |
                                 file[at]);
    }
    // Indices beyond the palette show black, as the platform draws them.
    layout.palette.resize(maxColours, 0);

    if (pixelOffset > file.size()) return std::nullopt;
    layout.bits = file.subspan(pixelOffset);
    return layout;
}

class PixelSink {
public:
    explicit PixelSink(const Layout& layout) : layout_(layout) {
        picture_.width = layout.width;
        picture_.height = layout.height;
        picture_.pixels.assign(size_t(layout.width) * size_t(layout.height), layout.palette[0]);
    }
    // Stored row `row` counted in file order.
    void Put(int x, int row, unsigned index) {
        if (x < 0 || x >= picture_.width || row < 0 || row >= picture_.height) return;
        const int y = layout_.topDown ? row : picture_.height - 1 - row;
        picture_.pixels[size_t(y) * picture_.width + x] = layout_.palette[index];
    }
    Picture Take() { return std::move(picture_); }

private:
    const Layout& layout_;
    Picture picture_;
};

std::optional<Picture> DecodeUncompressed(const Layout& layout) {
    const size_t stride = (size_t(layout.width) * layout.bitCount + 31) / 32 * 4;
    if (stride * size_t(layout.height) > layout.bits.size()) return std::nullopt;
    PixelSink sink(layout);
    const unsigned mask = (1u << layout.bitCount) - 1;
    for (int row = 0; row < layout.height; ++row) {
        const uint8_t* bytes = layout.bits.data() + stride * row;
        for (int x = 0; x < layout.width; ++x) {
            const size_t bit = size_t(x) * layout.bitCount;
            const unsigned shift = 8 - layout.bitCount - bit % 8;
            sink.Put(x, row, (bytes[bit / 8] >> shift) & mask);
        }
    }
    return sink.Take();
}

std::optional<Picture> DecodeRunLength(const Layout& layout) {
    const std::span<const uint8_t> data = layout.bits;
    const bool rle4 = layout.compression == kRle4;
    PixelSink sink(layout);
    int x = 0, row = 0;
    size_t at = 0;
    auto nibbleOrByte = [&](uint8_t value, int i) -> unsigned {
        return rle4 ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
    };
    while (at + 2 <= data.size()) {
        const uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) sink.Put(x++, row, nibbleOrByte(value, i));
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of bitmap
            return sink.Take();
        } else if (value == 2) {  // delta
            if (at + 2 > data.size()) return std::nullopt;
            x += data[at];
            row += data[at + 1];
            at += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const size_t bytes = rle4 ? (value + 1u) / 2 : value;
            const size_t padded = (bytes + 1) / 2 * 2;
            if (at + padded > data.size()) return std::nullopt;
            for (int i = 0; i < value; ++i) {
                sink.Put(x++, row, nibbleOrByte(data[at + (rle4 ? i / 2 : i)], i));
            }
            at += padded;
        }
    }
    // A run-length bitmap must say where it ends.
    return std::nullopt;
}

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, uint16_t(v));
    Put16(out, uint16_t(v >> 16));
}

}  // namespace

unsigned FaceBitCount(std::span<const uint8_t> start) {
    if (start.size() > kFileHeaderBytes + 11 && U32(start, kFileHeaderBytes) == kCoreHeaderBytes) {
        return U16(start, kFileHeaderBytes + 10);
    }
    return start.size() > kBitCountByteOffset ? start[kBitCountByteOffset] : 0;
}

std::optional<Picture> DecodeBitmapFile(std::span<const uint8_t> file) {
    std::optional<Layout> layout = ReadLayout(file);
    if (!layout) return std::nullopt;
    // A run-length file of a hundred bytes may claim the largest picture there is; in a 32-bit
    // process the memory for it may not be there, and then it is no face we can show.
    try {
        return layout->compression == kUncompressed ? DecodeUncompressed(*layout)
                                                    : DecodeRunLength(*layout);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::vector<uint8_t> EncodeBitmapFile24(const Picture& picture) {
    const uint32_t stride = (uint32_t(picture.width) * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = stride * uint32_t(picture.height);
    const uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;
    std::vector<uint8_t> out;
    out.reserve(offset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderBytes);
    Put32(out, uint32_t(picture.width));
    Put32(out, uint32_t(picture.height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, kUncompressed);
    Put32(out, imageBytes);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t rgb = picture.At(x, y);
            out.push_back(uint8_t(rgb));
            out.push_back(uint8_t(rgb >> 8));
            out.push_back(uint8_t(rgb >> 16));
        }
        out.resize(out.size() + (stride - uint32_t(picture.width) * 3), 0);
    }
    return out;
}

}  // namespace marvix
