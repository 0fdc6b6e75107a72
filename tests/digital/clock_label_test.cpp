#include "digital/clock_label.h"

#include <gtest/gtest.h>

#include "../support/recording_frame.h"

namespace marvix {
namespace {

// The label is written where its settings say, or centred two thirds down the face; a mirrored
// clock mirrors its place, not its words; a label hidden or empty writes nothing.
TEST(ClockLabel, WrittenWhereItsSettingsSayOrCentredAndMirroredByPlaceOnly) {
    const struct {
        bool show;
        const char* label;
        int x, y;
        bool reversed;
        const char* written;  // "" for nothing
    } cases[] = {
        // The recording surface's text is 6 pixels a letter and 13 high; the face 200 x 200.
        {true, "Tokyo", -1, -1, false, "display: text 85,127 \"Tokyo\""},
        {true, "Tokyo", 10, 20, false, "display: text 10,20 \"Tokyo\""},
        {true, "Tokyo", 10, 20, true, "display: text 160,20 \"Tokyo\""},
        {false, "Tokyo", -1, -1, false, ""},
        {true, "", -1, -1, false, ""},
    };
    for (const auto& c : cases) {
        ClockSettings s = DefaultSettings();
        s.LabelShow = c.show;
        s.Label = c.label;
        s.LabelX = c.x, s.LabelY = c.y;
        s.Reversed = c.reversed;
        RecordingFrame frame;
        FrameSurfaces f = frame.Surfaces();
        DrawLabel(s, f);
        EXPECT_EQ(frame.log.empty() ? "" : frame.log.back(), c.written) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace marvix
