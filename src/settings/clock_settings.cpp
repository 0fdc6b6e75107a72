#include "settings/clock_settings.h"

#include "settings/settings_table.h"

namespace marvix {

ClockSettings DefaultSettings() {
    ClockSettings settings;
    for (const SettingDef& def : AllSettings()) AssignSettingText(settings, def, def.defaultText);
    return settings;
}

#define FONT_SLOT(n)                                                                   \
    FontSlotFields {                                                                   \
        &ClockSettings::DFont##n, &ClockSettings::FSize##n, &ClockSettings::FStyle##n, \
            &ClockSettings::CFont##n                                                   \
    }
const std::array<FontSlotFields, 12> kFontSlots = {
    FONT_SLOT(1), FONT_SLOT(2), FONT_SLOT(3), FONT_SLOT(4),  FONT_SLOT(5),  FONT_SLOT(6),
    FONT_SLOT(7), FONT_SLOT(8), FONT_SLOT(9), FONT_SLOT(10), FONT_SLOT(11), FONT_SLOT(12),
};
#undef FONT_SLOT

void RegenerateFontColourTexts(ClockSettings& settings) {
    for (const FontSlotFields& slot : kFontSlots) {
        ColourSetting& colour = settings.*slot.colour;
        colour.text = ColourText(colour.value);
    }
}

}  // namespace marvix
