#include "settings/clock_settings.h"

#include "settings/settings_table.h"

namespace marvix {

ClockSettings DefaultSettings() {
    ClockSettings settings;
    for (const SettingDef& def : AllSettings()) AssignSettingText(settings, def, def.defaultText);
    for (const SettingDef& def : ProgramSettings())
        AssignSettingText(settings, def, def.defaultText);
    return settings;
}

void RegenerateFontColourTexts(ClockSettings& settings) {
    for (const FontSlotFields& slot : kFontSlots) {
        ColourSetting& colour = settings.*slot.colour;
        colour.text = ColourText(colour.value);
    }
}

}  // namespace marvix
