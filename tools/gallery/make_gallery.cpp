// make-gallery RECIPE OUT.ccf: a gallery clock's configuration file, written by the program's own
// configuration writer from a recipe: the default settings with the recipe's lines applied, one
// "Name = value" per line by the settings' registry names ('#' starts a comment).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "digital/display_fonts.h"
#include "settings/config_file.h"
#include "settings/settings_table.h"

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace marvix;
    if (argc != 3) {
        std::cerr << "usage: make-gallery RECIPE OUT.ccf\n";
        return 2;
    }
    std::ifstream recipe(argv[1]);
    if (!recipe) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    ClockSettings settings = DefaultSettings();
    std::string line;
    for (int number = 1; std::getline(recipe, line); ++number) {
        line = Trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const size_t equals = line.find('=');
        const SettingDef* def =
            equals == std::string::npos ? nullptr : FindSetting(Trimmed(line.substr(0, equals)));
        if (!def || !AssignSettingText(settings, *def, Trimmed(line.substr(equals + 1)))) {
            std::cerr << argv[1] << ":" << number << ": not a setting and its value\n";
            return 1;
        }
    }
    DisplayFonts fonts{};
    ApplyDisplayFonts(settings, fonts);
    // Written as the clock saves it once loaded: a font slot left without a name takes the first
    // slot's name when the file is read, so the file names it.
    ConfigLoad loaded = LoadConfigText(SaveConfigText(settings, fonts, {}), DefaultSettings());
    if (!loaded.settings) {
        std::cerr << argv[1] << ": " << loaded.error << "\n";
        return 1;
    }
    DisplayFonts loadedFonts{};
    ApplyDisplayFonts(*loaded.settings, loadedFonts);
    std::ofstream out(argv[2], std::ios::binary);
    out << SaveConfigText(*loaded.settings, loadedFonts, loaded.triples);
    return out ? 0 : 1;
}
