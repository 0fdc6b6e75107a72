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

void WithoutSounds(ClockSettings& s) {
    s.Tick = s.Tock = false;
    s.Alarm1 = s.Alarm2 = s.Alarm3 = s.Alarm4 = s.Alarm5 = false;
    s.Chime1 = s.Chime2 = s.Chime3 = s.Chime4 = false;
}

void RegenerateFontColourTexts(ClockSettings& settings) {
    for (const FontSlotFields& slot : kFontSlots) {
        ColourSetting& colour = settings.*slot.colour;
        colour.text = ColourText(colour.value);
    }
}

}  // namespace marvix
