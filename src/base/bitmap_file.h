#pragma once

// Windows bitmap files, read and written without the platform: face files chosen by the user are
// decoded here, with every offset checked against the data, so a short or lying file is refused
// instead of read past its end; frames are written as 24-bit files.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/picture.h"

namespace marvix {

// Face files are tested before they are loaded: the byte at this offset is the low byte of the
// bit count, and a file may be at most this large.
inline constexpr size_t kBitCountByteOffset = 28;
inline constexpr uint64_t kMaxFaceFileBytes = 3072000;

// The bit count a face file's first kBitCountByteOffset + 1 bytes say it has: the byte at that
// offset, or, in a file with the 12-byte header of old (where that byte is palette data), the
// bit count of that header.
unsigned FaceBitCount(std::span<const uint8_t> start);

// Decodes a bitmap file of 1, 4 or 8 bits per pixel, uncompressed or run-length encoded, stored
// bottom-up or top-down. Anything else, or anything inconsistent, is nullopt.
std::optional<Picture> DecodeBitmapFile(std::span<const uint8_t> file);

// An uncompressed 24-bit bottom-up bitmap file of the picture.
std::vector<uint8_t> EncodeBitmapFile24(const Picture& picture);

}  // namespace marvix
