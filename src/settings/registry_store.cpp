#include "settings/registry_store.h"

#include <algorithm>
#include <cstdlib>

namespace marvix {

namespace {

const SettingDef& RowOfField(SettingField field) {
    for (const SettingDef& def : AllSettings()) {
        if (def.field == field) return def;
    }
    // Every field of the font slots is a row of the table; reaching here is a build mistake.
    std::abort();
}

struct Sequences {
    std::vector<const SettingDef*> tray, startup, fonts, exit, program;

    Sequences() {
        for (const FontSlotFields& slot : kFontSlots) {
            fonts.push_back(&RowOfField(slot.face));
            fonts.push_back(&RowOfField(slot.size));
        }
        for (const FontSlotFields& slot : kFontSlots) fonts.push_back(&RowOfField(slot.style));
        for (const FontSlotFields& slot : kFontSlots) fonts.push_back(&RowOfField(slot.colour));

        tray.push_back(&DefOf(Setting::Tray));
        for (const SettingDef& def : AllSettings()) {
            const bool isFont = std::find(fonts.begin(), fonts.end(), &def) != fonts.end();
            if (&def != tray.front() && !isFont) startup.push_back(&def);
            if (&def != &DefOf(Setting::Still)) exit.push_back(&def);
        }
        for (const SettingDef& def : ProgramSettings()) program.push_back(&def);
    }
};

const Sequences& TheSequences() {
    static const Sequences sequences;
    return sequences;
}

}  // namespace

SettingSequence TraySetting() { return TheSequences().tray; }
SettingSequence StartupSettings() { return TheSequences().startup; }
SettingSequence DisplayFontSettings() { return TheSequences().fonts; }
SettingSequence ExitSettings() { return TheSequences().exit; }
SettingSequence ProgramSequence() { return TheSequences().program; }

void ReadSettings(ClockSettings& settings, RegistryValues& store, SettingSequence sequence,
                  std::vector<std::string>& errors) {
    for (const SettingDef* def : sequence) {
        StoredText stored = store.ReadValue(def->name);
        std::string_view text = def->defaultText;
        if (!stored.error.empty()) {
            errors.push_back(std::move(stored.error));
        } else if (stored.text && MayHold(*def, *stored.text)) {
            text = *stored.text;
        }
        if (!AssignSettingText(settings, *def, text)) {
            errors.push_back(NotAnIntegerMessage(text));
            AssignSettingText(settings, *def, def->defaultText);
        }
    }
}

StoredText DecodeRegistryData(std::string_view name, RegistryType type, std::string_view data) {
    if (type != RegistryType::String) {
        return {std::nullopt, "Invalid data type for '" + std::string(name) + "'"};
    }
    // Registry strings need not end in NUL, and may carry more after one: the text is what lies
    // before the first NUL of the data actually returned.
    return {std::string(data.substr(0, data.find('\0'))), {}};
}

void ReadAllSettings(ClockSettings& settings, RegistryValues& store,
                     std::vector<std::string>& errors) {
    ReadSettings(settings, store, TraySetting(), errors);
    ReadSettings(settings, store, StartupSettings(), errors);
    ReadSettings(settings, store, DisplayFontSettings(), errors);
}

bool WriteSettings(ClockSettings& settings, RegistryValues& store, SettingSequence sequence,
                   std::vector<std::string>& errors) {
    RegenerateFontColourTexts(settings);
    for (const SettingDef* def : sequence) {
        std::string error = store.WriteValue(def->name, SettingText(settings, *def));
        if (!error.empty()) {
            errors.push_back(std::move(error));
            return false;
        }
    }
    return true;
}

std::vector<std::string> ExitValues(const ClockSettings& settings) {
    std::vector<std::string> values;
    values.reserve(ExitSettings().size());
    for (const SettingDef* def : ExitSettings()) {
        const auto* colour = std::get_if<ColourSetting ClockSettings::*>(&def->field);
        const bool fontColour = colour && std::any_of(kFontSlots.begin(), kFontSlots.end(),
                                                      [&](const FontSlotFields& slot) {
                                                          return slot.colour == *colour;
                                                      });
        values.push_back(fontColour ? ColourText((settings.**colour).value)
                                    : SettingText(settings, *def));
    }
    return values;
}

std::vector<std::string> ProgramValues(const ClockSettings& settings) {
    std::vector<std::string> values;
    values.reserve(ProgramSequence().size());
    for (const SettingDef* def : ProgramSequence()) values.push_back(SettingText(settings, *def));
    return values;
}

bool WriteValues(RegistryValues& store, SettingSequence sequence,
                 std::span<const std::string> values, std::vector<std::string>& errors) {
    for (size_t i = 0; i < sequence.size() && i < values.size(); ++i) {
        std::string error = store.WriteValue(sequence[i]->name, values[i]);
        if (!error.empty()) {
            errors.push_back(std::move(error));
            return false;
        }
    }
    return true;
}

}  // namespace marvix
