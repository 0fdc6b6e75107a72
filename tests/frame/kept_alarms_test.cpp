#include "frame/kept_alarms.h"

#include <gtest/gtest.h>

namespace marvix {
namespace {

// Loading a gallery clock switched off every alarm without a word: it asks while an alarm is on
// and the file would change one, and Yes puts back what the file holds of each alarm.
TEST(KeptAlarms, AskedOnlyWhenAnAlarmIsOnAndTheFileChangesOne) {
    ClockSettings running = DefaultSettings();
    running.Alarm1 = true, running.A1H = 7, running.A1M = 30, running.Alarm1Label = "Wake up";
    running.Alarm2 = true, running.A2H = 10, running.A2PM = true, running.A2Str = "C:\\tea.wav";
    const ClockSettings file = DefaultSettings();
    EXPECT_EQ(KeepAlarmsQuestion(running, file),
              "Keep your alarms?\n\nAlarm 1 at 7:30, Wake up\nAlarm 2 at 22:00\n\n"
              "Yes loads the look and keeps them; No takes the file's alarms too.");
    EXPECT_EQ(KeepAlarmsQuestion(running, running), std::nullopt) << "the file's are the same";
    EXPECT_EQ(KeepAlarmsQuestion(file, running), std::nullopt) << "no alarm is on now";
    ClockSettings otherSound = running;
    otherSound.A2Str = "C:\\gong.wav";
    EXPECT_NE(KeepAlarmsQuestion(running, otherSound), std::nullopt) << "a sound differs";

    ClockSettings kept = file;
    kept.CShape = 2;
    kept.Alarm1Label = "Wake up";  // the program's own, never in a file
    KeepAlarms(kept, running);
    EXPECT_EQ(KeepAlarmsQuestion(running, kept), std::nullopt);
    EXPECT_EQ(kept.CShape, 2) << "the rest of the look is the file's";
}

}  // namespace
}  // namespace marvix
