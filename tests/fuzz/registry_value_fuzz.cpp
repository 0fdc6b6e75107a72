// Fuzz target over the registry value decoding: raw data as the registry returns it (string or
// not, with or without a NUL, of any length) for a setting of every kind of the settings table.
// Whatever it holds, the setting takes a value or its default and an error is reported.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace marvix;
    if (size < 2) return 0;
    // The first byte picks the setting, the second the value's type; the rest is its data.
    const auto table = AllSettings();
    const SettingDef& def = table[data[0] % table.size()];
    const RegistryType type = data[1] & 1 ? RegistryType::String : RegistryType::Other;
    const std::string_view raw(reinterpret_cast<const char*>(data + 2), size - 2);

    class OneValue final : public RegistryValues {
    public:
        StoredText stored;
        StoredText ReadValue(std::string_view) override { return stored; }
        std::string WriteValue(std::string_view, std::string_view) override { return {}; }
    } store;
    store.stored = DecodeRegistryData(def.name, type, raw);
    if (store.stored.text && store.stored.text->find('\0') != std::string::npos) __builtin_trap();

    static ClockSettings settings = DefaultSettings();
    const SettingDef* one[] = {&def};
    std::vector<std::string> errors;
    ReadSettings(settings, store, one, errors);
    // What was read, or the default in its place, is text that reads back to the same value.
    const std::string text = SettingText(settings, def);
    ClockSettings again = settings;
    if (!AssignSettingText(again, def, text)) __builtin_trap();
    if (SettingText(again, def) != text) __builtin_trap();
    return 0;
}
