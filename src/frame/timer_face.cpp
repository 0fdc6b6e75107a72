#include "frame/timer_face.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "digital/clock_label.h"
#include "timers/timer_length.h"
#include "timers/timer_sector.h"

namespace marvix {

namespace {

// The sector's edge moves a tenth of a degree a second; drawn at whole eighths of a degree, a
// smooth clock redraws what is under its hands about once a second for it, not at every frame.
constexpr double kDegreeSteps = 8;
// The arc's points, at most six degrees apart: within a tenth of a pixel of the circle at 100 %,
// and with the centre within what a frame's list replays of a polygon.
constexpr int kArcPoints = 61;

double Quantised(double degrees) { return std::round(degrees * kDegreeSteps) / kDegreeSteps; }

}  // namespace

void DrawTimerSector(const ClockSettings& s, const FaceLayout& layout, const TimerOnFace& timer,
                     FrameSurfaces& f, const ClockInstant& now) {
    if (!timer.shown) return;
    const TimerSector sector = SectorOf(now.time, timer.LeftAt(now));
    const Point centre = layout.hands.centre;
    const double radius = layout.hands.lengths[1];
    const double start = Quantised(sector.startDegrees);
    const double sweep = Quantised(sector.sweepDegrees);
    if (sweep > 0 && radius > 0) {
        // A mirrored clock turns its hands the other way, and so its sector.
        const double turn = s.Reversed ? -1 : 1;
        std::array<Point, kArcPoints + 1> points;
        points[0] = centre;
        for (int i = 0; i < kArcPoints; ++i) {
            const double degrees = start + sweep * i / (kArcPoints - 1);
            const double radians = degrees * 3.14159265358979323846 / 180;
            points[size_t(i) + 1] = {centre.x + int(std::lround(turn * radius * std::sin(radians))),
                                     centre.y - int(std::lround(radius * std::cos(radians)))};
        }
        // Filled only, no outline: its anti-aliased edge is the fill's own.
        const Brush fill{timer.colour, false,
                         uint8_t(std::clamp(timer.opacity, 0, 100) * 255 / 100)};
        f.display.Polygon(points, Pen{timer.colour, 0, true}, fill);
    }
}

namespace {

// Writes `text` in the label's letters at the label's place, `linesBelow` lines of them below it.
void WriteBelowLabel(const ClockSettings& s, FrameSurfaces& f, const std::string& text,
                     int linesBelow) {
    const Font font = LabelFont(s);
    const Size size = f.display.TextExtent(text, font);
    Point at = LabelPlace(s, f.display.GetSize(), size);
    at.y += linesBelow * size.height;
    f.display.WriteText(at, text, font, Brush::Clear());
}

bool LabelShown(const ClockSettings& s) { return s.LabelShow && !s.Label.empty(); }

}  // namespace

void DrawTimeLeft(const ClockSettings& s, const TimerOnFace& timer, FrameSurfaces& f,
                  const ClockInstant& now) {
    if (timer.shown) WriteBelowLabel(s, f, TimeLeftText(timer.LeftAt(now)), LabelShown(s));
}

void DrawStopwatch(const ClockSettings& s, const TimerOnFace& timer,
                   const StopwatchOnFace& stopwatch, FrameSurfaces& f, const ClockInstant& now) {
    if (!stopwatch.shown) return;
    const int64_t elapsed = stopwatch.ElapsedAt(now);
    WriteBelowLabel(s, f, s.Smooth ? TenthsText(elapsed) : LengthText(elapsed / 1000),
                    int(LabelShown(s)) + int(timer.shown));
}

}  // namespace marvix
