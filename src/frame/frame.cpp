#include "frame/frame.h"

#include "digital/clock_label.h"
#include "digital/display_pass.h"
#include "hands/hand_drawing.h"
#include "phases/day_phase.h"
#include "phases/moon_phase.h"

namespace marvix {

void CopyFace(const ClockSettings& s, FrameSurfaces& f) {
    const Size display = f.display.GetSize();
    if (!s.Reversed) {
        f.display.CopyFrom(f.face, Rect::At({0, 0}, display), {0, 0});
        return;
    }
    // Mirrored exactly only when the source starts at its last column and runs leftward.
    const Size face = f.face.GetSize();
    f.display.StretchFrom(f.face, {face.width - 1, 0}, {-face.width, face.height},
                          Rect::At({0, 0}, display));
}

void ComposeFrame(const ClockSettings& s, const LiveState& live, FrameSurfaces& f,
                  const ClockInstant& now) {
    ComposeUnderHands(s, live, f, now);
    ComposeHands(s, live, f, now);
}

void ComposeUnderHands(const ClockSettings& s, const LiveState& live, FrameSurfaces& f,
                       const ClockInstant& now) {
    CopyFace(s, f);
    DrawTimerSector(s, live.layout, live.timer, f, now);
    if (s.ShowMoon) MoonPhase(s, live.screen, f, now);
    if (s.ShowDay) DayPhase(s, live.screen, f, now);
    DrawDigitalDisplays(s, live.displays, live.layout.displays, f, now);
    DrawLabel(s, f);
    DrawTimeLeft(s, live.timer, f, now);
}

void ComposeHands(const ClockSettings& s, const LiveState& live, FrameSurfaces& f,
                  const ClockInstant& now) {
    // The hands turn by the second reading of the clock; the calendar hands keep the first one's
    // date, so around midnight they may lag the time of day by one tick.
    DrawStopwatch(s, live.timer, live.stopwatch, f, now);
    const HandPositions hands =
        PrepareHands(s, now.time, now.handsTime, now.utcBias, f.display.GetSize().width);
    HandPass(f.display, s, live.layout.hands, hands);
}

}  // namespace marvix
