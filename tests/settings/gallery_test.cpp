// The gallery's ready clocks: each configuration loads whole, is exactly what the program's own
// writer makes of it, and names a face beside it that the clock accepts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/bitmap_file.h"
#include "digital/display_fonts.h"
#include "settings/config_file.h"

namespace marvix {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(GalleryTest, EveryClockLoadsWholeWithAFaceTheClockAccepts) {
    const fs::path gallery = MARVIX_GALLERY_DIR;
    int clocks = 0;
    for (const auto& entry : fs::directory_iterator(gallery)) {
        if (entry.path().extension() != ".ccf") continue;
        ++clocks;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string text = Contents(entry.path());
        ConfigLoad load = LoadConfigText(text, DefaultSettings());
        ASSERT_TRUE(load.settings) << load.error;
        ClockSettings& s = *load.settings;
        DisplayFonts fonts{};
        ApplyDisplayFonts(s, fonts);
        EXPECT_EQ(SaveConfigText(s, fonts, load.triples), text);

        // A face named relative to the gallery's folder, in Windows' spelling.
        ASSERT_FALSE(s.BackPic.empty());
        EXPECT_EQ(s.BackPic.find(':'), std::string::npos);
        std::string relative = s.BackPic;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        const std::string face = Contents(gallery / relative);
        ASSERT_GT(face.size(), kBitCountByteOffset) << s.BackPic;
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(face.data()),
                                             face.size());
        EXPECT_LE(FaceBitCount(bytes), 8u);
        EXPECT_LE(face.size(), kMaxFaceFileBytes);
        const std::optional<Picture> picture = DecodeBitmapFile(bytes);
        ASSERT_TRUE(picture);
        // Small enough for a 1024 x 768 screen, so that no clock comes up as "too big".
        EXPECT_LE(picture->width, 1024);
        EXPECT_LE(picture->height, 700);
    }
    EXPECT_GE(clocks, 6);
}

}  // namespace
}  // namespace marvix
