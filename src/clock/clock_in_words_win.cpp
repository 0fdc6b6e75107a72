#include "clock/clock_in_words_win.h"

#include <utility>

#include "base/system_time_win.h"
#include "frame/clock_reading.h"
#include "windows/accessible_win.h"

namespace marvix {

void ClockInWords::Read(bool anew) {
    const LocalTime t = SampleInstant(clock_).time;
    if (MinuteOf(t) == readMinute_ && !anew) return;
    readMinute_ = MinuteOf(t);
    std::string reading = ReadingWithAlarmNews(readFrom_, model_.Sounds().bell, paused_, t);
    if (readFrom_.ClickThrough) reading += ", click-through";
    // A clock for another place says where first.
    if (!readFrom_.Label.empty()) reading = readFrom_.Label + ", " + reading;
    // A screen reader hears of the clock only when its words change.
    if (reading == reading_) return;
    reading_ = std::move(reading);
    owner_.ReadingChanged();
    AnnounceNameChange(window_);
}

void ClockInWords::ReadFromSettled() {
    readFrom_ = model_.Settings();
    Read(true);
}

}  // namespace marvix
