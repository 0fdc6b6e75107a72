#pragma once

// A configuration file holds a clock's alarms with its look, so loading one to try a look would
// switch off the alarms that wake someone. Before it does, the clock asks whether to keep them.

#include <optional>
#include <string>

#include "settings/clock_settings.h"

namespace marvix {

// What loading `loaded` over `running` asks first: "Keep your alarms?" and a line for each alarm
// that is on now. Nothing to ask while every alarm is off, or when the file's alarms are the
// clock's own (on, time, afternoon and sound alike).
std::optional<std::string> KeepAlarmsQuestion(const ClockSettings& running,
                                              const ClockSettings& loaded);

// The clock's own alarms put back into `loaded`: on, time, afternoon and sound. What the program
// keeps of each alarm beyond the file (ringing until answered, days, label) never leaves it.
void KeepAlarms(ClockSettings& loaded, const ClockSettings& running);

}  // namespace marvix
