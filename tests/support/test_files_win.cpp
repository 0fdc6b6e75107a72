#include <windows.h>

#include "test_bitmaps.h"

namespace marvix {

std::string WriteTempFile(const char* name, const std::vector<uint8_t>& bytes) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

}  // namespace marvix
