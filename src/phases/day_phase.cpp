#include "phases/day_phase.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "phases/phase_dial.h"

namespace marvix {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

int Round(double value) { return static_cast<int>(std::lrint(value)); }

// The minutes and seconds as a fraction of a day.
double DayFractionAfterTheHour(const LocalTime& t) {
    return ((t.second + t.millisecond / 1000.0) / 60 + t.minute) / 60 / 24;
}

}  // namespace

Colour SkyColour(const LocalTime& t, Colour day, Colour night) {
    const double hours = t.hour + t.minute / 60.0 + t.second / 3600.0;
    const double nightWeight = std::fabs(12 - hours) / 12;
    const double dayWeight = (12 - std::fabs(12 - hours)) / 12;
    auto blend = [&](uint8_t d, uint8_t n) {
        return uint8_t(Round(dayWeight * d + nightWeight * n));
    };
    return Colour::Rgb(blend(day.Red(), night.Red()), blend(day.Green(), night.Green()),
                       blend(day.Blue(), night.Blue()));
}

double NightAngle(const LocalTime& t) {
    return kTurn * (t.hour / 24.0 + DayFractionAfterTheHour(t));
}

double SunAngle(const LocalTime& t) {
    return kTurn * ((t.hour - 12) / 24.0 + DayFractionAfterTheHour(t));
}

void DayPos(Surface& dial, const ClockSettings& s, int S, double nightAngle, double sunAngle,
            Colour sky) {
    const int d = S / 5;
    const int r = (20 * S) / 51;
    const int c = S / 2 - d / 2;
    auto place = [&](double angle) {
        return Point{c + Round(r * std::sin(angle)), c - Round(r * std::cos(angle))};
    };
    // A body whose centre is on or below the horizon line is not drawn.
    const Point moon = place(nightAngle);
    if (moon.y < c) {
        const Colour night = s.NightColorStr.value;
        dial.Ellipse(Rect::At(moon, {d, d}), Pen{night, 1, s.SmoothEdges}, Brush{night});
        // A smaller disc of sky over its upper left leaves a crescent open to the lower right.
        const int cut = (3 * d) / 4;
        dial.Ellipse(Rect::At(moon, {cut, cut}), Pen{sky, 1, s.SmoothEdges}, Brush{sky});
    }
    const Point sun = place(sunAngle);
    if (sun.y < c) {
        dial.Ellipse(Rect::At(sun, {d, d}), Pen{s.DayOutColorStr.value, d / 15, s.SmoothEdges},
                     Brush{s.DayColorStr.value});
    }
}

void DayPhase(const ClockSettings& s, Size screen, FrameSurfaces& f, const ClockInstant& now) {
    const int S = DialSize(s.DayPhaseSize, screen);
    if (S <= 0) return;
    const LocalTime& time = now.time;
    Surface& dial = f.dayNight;
    const Colour sky = SkyColour(time, dial.Resolve(s.DayBackColorStr.value),
                                 dial.Resolve(s.NightBackColorStr.value));
    const Point at{s.DayPhaseLeft, s.DayPhaseTop};
    const Colour base = s.DayBaseColorStr.value;
    BeginDial(dial, f.face, at, S, sky, base, s.SmoothEdges);
    DayPos(dial, s, S, NightAngle(time), SunAngle(time), sky);
    // The lens of ground over the horizon hides the bodies as they near it.
    const int lens = (2 * S) / 7;
    dial.Ellipse({0, lens, S, S - lens}, Pen{base, 1, s.SmoothEdges}, Brush{base});
    CopyDial(f.display, dial, at, S, s.DayHalf, s.Reversed, f.display.GetSize().width);
}

}  // namespace marvix
