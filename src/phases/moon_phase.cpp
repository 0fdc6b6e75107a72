#include "phases/moon_phase.h"

#include <cmath>
#include <numbers>

#include "phases/phase_dial.h"

namespace marvix {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

double SinDegrees(double degrees) { return std::sin(degrees * kDegree); }
double CosDegrees(double degrees) { return std::cos(degrees * kDegree); }

// Days of 1 January 1985 from 1 January 1970.
const int64_t kEpochDay = DaysFromCivil(1985, 1, 1);

}  // namespace

double ReduceDegrees(double degrees) {
    double whole = std::fmod(std::trunc(degrees), 360.0);
    if (whole < 0) whole += 360.0;
    return whole == 0 ? 0.0 : whole;  // never -0
}

double IlluminatedPercentage(double D) {
    constexpr double kSunLongitudeAtEpoch = 279.611371;
    constexpr double kSunPerigee = 282.680403;
    constexpr double kEccentricity = 0.01671542;
    constexpr double kMoonLongitudeAtEpoch = 18.251907;
    constexpr double kMoonPerigeeAtEpoch = 192.917585;

    const double N = ReduceDegrees(D * 360 * 0.0027379092558307886);
    const double M = ReduceDegrees(N + kSunLongitudeAtEpoch - kSunPerigee);
    const double Ec = 114.59155902616465 * kEccentricity * SinDegrees(M);
    const double sunLongitude = ReduceDegrees(N + Ec + kSunLongitudeAtEpoch);
    const double l = ReduceDegrees(13.1763966 * D + kMoonLongitudeAtEpoch);
    const double Mm = ReduceDegrees(l - 0.1114041 * D - kMoonPerigeeAtEpoch);
    const double evection = 1.2739 * SinDegrees(2 * (l - sunLongitude) - Mm);
    const double annual = 0.1858 * SinDegrees(M);
    const double third = 0.37 * SinDegrees(M);
    const double correctedAnomaly = Mm + evection - annual - third;
    const double centre = 6.2886 * SinDegrees(correctedAnomaly);
    const double fourth = 0.214 * SinDegrees(2 * correctedAnomaly);
    const double correctedLongitude = l + evection + centre - annual + fourth;
    const double variation = 0.6583 * SinDegrees(2 * (correctedLongitude - sunLongitude));
    const double trueLongitude = correctedLongitude + variation;
    const double age = trueLongitude - sunLongitude;
    return 50 * (1 - CosDegrees(age));
}

double MoonCalc(const LocalTime& t, int32_t bias) {
    const double dayFraction =
        t.hour / 24.0 + t.minute / 1440.0 + t.second / 86400.0 + t.millisecond / 86400000.0;
    const double D0 = double(DaysFromCivil(t.year, t.month, t.day) - kEpochDay) + dayFraction;
    const double D = D0 + bias / 60.0 / 24.0;
    return MoonPositionFromPhase(IlluminatedPercentage(D), IlluminatedPercentage(D + 1));
}

double MoonPositionFromPhase(double now, double tomorrow) {
    const double fromFull = 14.8 - now * 14.8 * 0.01;
    return tomorrow > now ? fromFull : -fromFull;
}

MoonDialSizes MoonSizes(int S) {
    const int d = (20 * S) / 51;
    return {d, (2 * S) / 7, S / 2 - d / 2, (1058 * d) / 1000, S / 6};
}

void MoonPhase(const ClockSettings& s, Size screen, FrameSurfaces& f, const ClockInstant& now) {
    const int S = DialSize(s.PhaseSize, screen);
    if (S <= 0) return;
    const Point at{s.MoonPhaseLeft, s.MoonPhaseTop};
    const Colour base = s.PhaseBaseColorStr.value;
    Surface& dial = f.moon;
    BeginDial(dial, f.face, at, S, s.PhaseBackColorStr.value, base, s.SmoothEdges);

    const double position = MoonCalc(now.time, now.utcBias);
    const double alpha = 2 * std::numbers::pi * (60 - position) / 60;
    const MoonDialSizes z = MoonSizes(S);
    const int x = z.origin + int(std::lrint(z.orbit * std::sin(alpha)));
    const int y = z.origin - int(std::lrint(z.orbit * std::cos(alpha)));
    dial.Ellipse(Rect::At({x, y}, {z.moon, z.moon}), Pen{s.MoonOutColorStr.value, 1, s.SmoothEdges},
                 Brush{s.MoonColorStr.value});

    // Horizon discs a little larger than the moon hide it as it rises and sets; then the hub.
    const int discTop = S / 2 - z.horizon / 2;
    dial.Ellipse(Rect::At({0, discTop}, {z.horizon, z.horizon}), Pen{base, 1, s.SmoothEdges}, Brush{base});
    dial.Ellipse(Rect::At({S - z.horizon, discTop}, {z.horizon, z.horizon}), Pen{base, 1, s.SmoothEdges},
                 Brush{base});
    const int k = S / 2 - z.hub / 2;
    dial.Ellipse(Rect::At({k, k}, {z.hub, z.hub}), Pen{base, 1, s.SmoothEdges}, Brush{base});

    CopyDial(f.display, dial, at, S, s.MoonHalf, s.Reversed, f.display.GetSize().width);
}

}  // namespace marvix
