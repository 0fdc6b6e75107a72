#include "frame/clock_reading.h"

#include <cstdio>

#include "digital/display_texts.h"
#include "sound/sound_triggers.h"

namespace marvix {

namespace {

std::string HoursAndMinutes(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", hour, minute);
    return text;
}

}  // namespace

std::string ClockReading(const ClockSettings& s, const LocalTime& t) {
    std::string reading = HoursAndMinutes(t.hour, t.minute) + ", " + LongDayName(s, t.dayOfWeek) +
                          " " + std::to_string(t.day) + " " + LongMonthName(s, t.month) + " " +
                          std::to_string(t.year);
    if (const auto alarm = NextAlarm(s, t))
        reading += ", alarm at " + HoursAndMinutes(alarm->hour, alarm->minute);
    return reading;
}

}  // namespace marvix
