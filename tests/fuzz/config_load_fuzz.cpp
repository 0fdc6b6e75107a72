// Fuzz target over the configuration-file loader: any bytes at all must load or be refused
// without a crash, a leak or undefined behaviour, and whatever loads must save and load again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "digital/display_fonts.h"
#include "settings/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace marvix;
    static const ClockSettings defaults = DefaultSettings();
    const ConfigLoad loaded =
        LoadConfigText(std::string_view(reinterpret_cast<const char*>(data), size), defaults);
    if (loaded.settings) {
        DisplayFonts fonts{};
        ApplyDisplayFonts(*loaded.settings, fonts);
        const std::string saved = SaveConfigText(*loaded.settings, fonts, loaded.triples);
        if (!LoadConfigText(saved, defaults).settings) __builtin_trap();
    }
    return 0;
}
