#include "digital/digital_displays.h"

namespace marvix {

using S = ClockSettings;

// clang-format off
const std::array<DisplaySpec, kDisplayCount> kDisplays = {{
    {"DAY", &S::SDay, &S::PDay, &S::TranDay, &S::PDX, &S::PDY, &S::ColorDayStr},
    {"DATE", &S::SDate, &S::PDate, &S::TranDate, &S::PX, &S::PY, &S::ColorDateStr},
    {"MONTH", &S::SMonth, &S::PMonth, &S::TranMonth, &S::PMnX, &S::PMnY, &S::ColorMonthStr},
    {"YEAR", &S::SYear, &S::PYear, &S::TranYear, &S::PYrX, &S::PYrY, &S::ColorYearStr},
    {"HOUR", &S::SHour, &S::PHour, &S::TranHour, &S::PHrX, &S::PHrY, &S::ColorHourStr},
    {"MINUTE", &S::SMin, &S::PMin, &S::TranMin, &S::PMinX, &S::PMinY, &S::ColorMinStr},
    {"SECOND", &S::SSec, &S::PSec, &S::TranSec, &S::PSecX, &S::PSecY, &S::ColorSecStr},
    {"COLON1", &S::SColon1, &S::PColon1, &S::TranColon1, &S::PColon1X, &S::PColon1Y, &S::ColorColon1Str},
    {"COLON2", &S::SColon2, &S::PColon2, &S::TranColon2, &S::PColon2X, &S::PColon2Y, &S::ColorColon2Str},
    {"AM/PM", &S::SAMPM, &S::PAMPM, &S::TranAMPM, &S::PAMPMX, &S::PAMPMY, &S::ColorAMPMStr},
    {"INTER1", &S::SIntern1, &S::PIntern1, &S::TranIntern1, &S::PIntern1X, &S::PIntern1Y, &S::ColorIntern1Str},
    {"INTER2", &S::SIntern2, &S::PIntern2, &S::TranIntern2, &S::PIntern2X, &S::PIntern2Y, &S::ColorIntern2Str},
}};
// clang-format on

}  // namespace marvix
