#include "frame/kept_alarms.h"

#include <algorithm>

#include "frame/clock_reading.h"
#include "sound/sound_triggers.h"

namespace marvix {

namespace {

bool SameInFile(const ClockSettings& a, const ClockSettings& b, const AlarmFields& alarm) {
    return a.*alarm.on == b.*alarm.on && a.*alarm.hour == b.*alarm.hour &&
           a.*alarm.minute == b.*alarm.minute && a.*alarm.afternoon == b.*alarm.afternoon &&
           a.*alarm.file == b.*alarm.file;
}

}  // namespace

std::optional<std::string> KeepAlarmsQuestion(const ClockSettings& running,
                                              const ClockSettings& loaded) {
    const auto on = [&](const AlarmFields& alarm) { return running.*alarm.on; };
    const auto same = [&](const AlarmFields& alarm) { return SameInFile(running, loaded, alarm); };
    if (std::none_of(kAlarms.begin(), kAlarms.end(), on) ||
        std::all_of(kAlarms.begin(), kAlarms.end(), same)) {
        return std::nullopt;
    }
    std::string question = "Keep your alarms?\n";
    for (size_t i = 0; i < kAlarms.size(); ++i) {
        const AlarmFields& alarm = kAlarms[i];
        if (!on(alarm)) continue;
        const std::string& label = running.*alarm.label;
        question += "\nAlarm " + std::to_string(i + 1) + " at " +
                    HoursAndMinutes(AlarmHourOfDay(running, alarm), running.*alarm.minute) +
                    (label.empty() ? "" : ", " + label);
    }
    return question += "\n\nYes loads the look and keeps them; No takes the file's alarms too.";
}

void KeepAlarms(ClockSettings& loaded, const ClockSettings& running) {
    for (const AlarmFields& alarm : kAlarms) {
        loaded.*alarm.on = running.*alarm.on;
        loaded.*alarm.hour = running.*alarm.hour;
        loaded.*alarm.minute = running.*alarm.minute;
        loaded.*alarm.afternoon = running.*alarm.afternoon;
        loaded.*alarm.file = running.*alarm.file;
    }
}

}  // namespace marvix
