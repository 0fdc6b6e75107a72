#include "frame/kept_alarms.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

// Loading a gallery clock switched every alarm off without a word: it asks while an alarm is on
// and the file would change one (a sound counts), and Yes puts the clock's alarms back.
TEST(KeptAlarms, AskedOnlyWhenAnAlarmIsOnAndTheFileChangesOne) {
    ClockSettings on = DefaultSettings(), file = DefaultSettings();
    on.Alarm1 = true, on.A1H = 7, on.A1M = 30, on.Alarm1Label = "Wake up";
    on.Alarm2 = true, on.A2H = 10, on.A2PM = true;
    EXPECT_EQ(KeepAlarmsQuestion(on, file),
              "Keep your alarms?\n\nAlarm 1 at 7:30, Wake up\nAlarm 2 at 22:00\n\n"
              "Yes loads the look and keeps them; No takes the file's alarms too.");
    EXPECT_EQ(KeepAlarmsQuestion(file, on), std::nullopt) << "no alarm is on now";
    ClockSettings kept = on;
    kept.A2Str = "C:\\gong.wav";
    EXPECT_NE(KeepAlarmsQuestion(on, kept), std::nullopt);
    kept.CShape = 2;
    KeepAlarms(kept, on);
    EXPECT_EQ(KeepAlarmsQuestion(on, kept), std::nullopt) << "the same alarms: nothing to ask";
    EXPECT_EQ(kept.CShape, 2) << "the rest of the look is the file's";
}

}  // namespace
}  // namespace marvix
