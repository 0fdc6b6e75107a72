#include "base/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace marvix {
namespace {

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); }
void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) { std::memcpy(&b[at], &v, 2); }

// An uncompressed bitmap of the given bit count with a grey palette; pixel (x, y) has palette
// index (x + y) modulo the palette size.
std::vector<uint8_t> MakeBitmap(int width, int height, int bits) {
    const int colours = 1 << bits;
    const size_t stride = (size_t(width) * bits + 31) / 32 * 4;
    const size_t offset = 14 + 40 + 4 * size_t(colours);
    std::vector<uint8_t> b(offset + stride * size_t(std::abs(height)));
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, uint32_t(offset));
    Put32(b, 14, 40);
    Put32(b, 18, uint32_t(width));
    Put32(b, 22, uint32_t(height));
    Put16(b, 26, 1);
    Put16(b, 28, uint16_t(bits));
    for (int i = 0; i < colours; ++i) {
        const uint8_t v = uint8_t(i * 255 / (colours - 1));
        b[54 + 4 * i] = v;
        b[55 + 4 * i] = v;
        b[56 + 4 * i] = v;
    }
    for (int row = 0; row < std::abs(height); ++row) {
        const int y = height > 0 ? std::abs(height) - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            const unsigned index = unsigned(x + y) % unsigned(colours);
            const size_t bit = size_t(x) * bits;
            b[offset + stride * row + bit / 8] |= uint8_t(index << (8 - bits - bit % 8));
        }
    }
    return b;
}

uint32_t Grey(unsigned index, int bits) {
    const uint32_t v = index * 255 / ((1u << bits) - 1);
    return v << 16 | v << 8 | v;
}

TEST(BitmapFile, DecodesEveryPaletteDepthBothWaysUp) {
    for (int bits : {1, 4, 8}) {
        for (int height : {5, -5}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, height " + std::to_string(height));
            const std::optional<Picture> p = DecodeBitmapFile(MakeBitmap(7, height, bits));
            ASSERT_TRUE(p.has_value());
            EXPECT_EQ(p->width, 7);
            EXPECT_EQ(p->height, 5);
            for (int y = 0; y < 5; ++y) {
                for (int x = 0; x < 7; ++x) {
                    ASSERT_EQ(p->At(x, y), Grey(unsigned(x + y) % (1u << bits), bits))
                        << x << "," << y;
                }
            }
        }
    }
}

TEST(BitmapFile, DecodesRunLengthEightBits) {
    std::vector<uint8_t> b = MakeBitmap(4, 2, 8);
    const size_t offset = 14 + 40 + 1024;
    b.resize(offset);
    Put32(b, 30, 1);  // RLE8
    // Bottom row: a run of four 7s; top row: absolute 1, 2, 3 then a run of one 9.
    const uint8_t runs[] = {4, 7, 0, 0, 0, 3, 1, 2, 3, 0, 1, 9, 0, 1};
    b.insert(b.end(), std::begin(runs), std::end(runs));
    const std::optional<Picture> p = DecodeBitmapFile(b);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->At(0, 1), Grey(7, 8));
    EXPECT_EQ(p->At(3, 1), Grey(7, 8));
    EXPECT_EQ(p->At(0, 0), Grey(1, 8));
    EXPECT_EQ(p->At(2, 0), Grey(3, 8));
    EXPECT_EQ(p->At(3, 0), Grey(9, 8));
}

// A file that lies about itself is refused and never read past its end (the sanitizers watch).
TEST(BitmapFile, RefusesShortAndLyingFiles) {
    const std::vector<uint8_t> good = MakeBitmap(16, 16, 8);
    ASSERT_TRUE(DecodeBitmapFile(good).has_value());

    for (size_t length : {size_t(0), size_t(2), size_t(53), size_t(54 + 1023), good.size() - 1}) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + long(length));
        EXPECT_FALSE(DecodeBitmapFile(cut).has_value()) << length;
    }
    auto altered = [&](size_t at, uint32_t value, bool wide = true) {
        std::vector<uint8_t> b = good;
        if (wide) Put32(b, at, value);
        else Put16(b, at, uint16_t(value));
        return DecodeBitmapFile(b).has_value();
    };
    EXPECT_FALSE(altered(10, 0xFFFFFFF0));  // pixels beyond the file
    EXPECT_FALSE(altered(14, 0x7FFFFFFF));  // header beyond the file
    EXPECT_FALSE(altered(18, 0));           // no width
    EXPECT_FALSE(altered(18, 0x7FFFFFFF));  // absurd width
    EXPECT_FALSE(altered(22, 0x80000000));  // the one height without a positive twin
    EXPECT_FALSE(altered(28, 24, false));   // true colour is not a face
    EXPECT_FALSE(altered(46, 257));         // more colours than eight bits hold
    std::vector<uint8_t> endless = good;    // says run-length, but never says where it ends
    Put32(endless, 30, 1);
    std::fill(endless.begin() + 54 + 1024, endless.end(), uint8_t{5});
    EXPECT_FALSE(DecodeBitmapFile(endless).has_value());
    std::vector<uint8_t> notBitmap = good;
    notBitmap[0] = 'X';
    EXPECT_FALSE(DecodeBitmapFile(notBitmap).has_value());
}

TEST(BitmapFile, TwentyFourBitFramesRoundTripThroughTheirBytes) {
    Picture p{3, 2, {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x000001}};
    const std::vector<uint8_t> file = EncodeBitmapFile24(p);
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[28], 24);
    // Bottom-up, blue first: the first pixel stored is (0, 1).
    EXPECT_EQ(file[54], 0xCC);
    EXPECT_EQ(file[55], 0xBB);
    EXPECT_EQ(file[56], 0xAA);
}

}  // namespace
}  // namespace marvix

namespace marvix {
namespace {

// Byte 28 of a file with the 12-byte header of old is palette data: 256-colour faces written so
// (ImageMagick's BMP2:, Windows' own loader reads them) were refused as having too many colours.
TEST(BitmapFile, TheTwelveByteHeaderOfOldShowsPixelForPixel) {
    const int width = 13, height = 7;
    std::vector<uint32_t> pixels;
    std::string ppm = "P6 " + std::to_string(width) + " " + std::to_string(height) + " 255\n";
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t r = uint8_t(100 + x * 10), g = uint8_t(y * 60), b = uint8_t((x + y) * 20);
            ppm += {char(r), char(g), char(b)};
            pixels.push_back(uint32_t(r) << 16 | uint32_t(g) << 8 | b);
        }
    }
    const std::string base = ::testing::TempDir() + "marvix-bmp2";
    std::ofstream(base + ".ppm", std::ios::binary) << ppm;
    const std::string convert = "convert '" + base + ".ppm' -type Palette 'BMP2:" + base + ".bmp'";
    ASSERT_EQ(std::system(convert.c_str()), 0) << "ImageMagick's convert";
    std::ifstream in(base + ".bmp", std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(file.size(), 29u);
    ASSERT_EQ(file[14], 12) << "the 12-byte header";
    // The first palette entry's red, where a 40-byte header has its bit count.
    EXPECT_GT(file[kBitCountByteOffset], 8);
    EXPECT_EQ(FaceBitCount(file), 8u);

    const std::optional<Picture> picture = DecodeBitmapFile(file);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, width);
    EXPECT_EQ(picture->height, height);
    EXPECT_EQ(picture->pixels, pixels);
}

TEST(BitmapFile, TheUsualHeaderKeepsItsBitCountByte) {
    const std::vector<uint8_t> file = EncodeBitmapFile24(Picture{2, 2, {1, 2, 3, 4}});
    EXPECT_EQ(FaceBitCount(file), 24u);
}

}  // namespace
}  // namespace marvix
