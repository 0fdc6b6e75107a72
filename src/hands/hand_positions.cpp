#include "hands/hand_positions.h"

#include <numbers>

#include "digital/internet_time.h"

namespace marvix {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

constexpr std::array<int32_t ClockSettings::*, kHandCount> kOwnPivotX = {
    &ClockSettings::HX,   &ClockSettings::MX,  &ClockSettings::SX,         &ClockSettings::DDtX,
    &ClockSettings::DyX,  &ClockSettings::MnX, &ClockSettings::Internet1X, &ClockSettings::Internet2X,
};

}  // namespace

HandPositions PrepareHands(const ClockSettings& s, const LocalTime& date, const LocalTime& time,
                           int32_t utcBias) {
    HandPositions p;
    const double d = date.day - 1, w = date.dayOfWeek - 1, n = date.month - 1;
    const double h = time.hour, m = time.minute, sec = time.second;
    const double S = sec + time.millisecond / 1000.0;
    const double F = (m + S / 60) / 60;
    const double U = s.HourMil ? 24 : 12;

    const BeatsParts beats = SplitBeats(InternetBeats(time, utcBias));
    p.BeatsWhole = beats.whole;
    p.BeatsThousandths = beats.thousandths;

    // Where each hand stands on its dial, in the dial's units: stepped as the hand moves, and
    // smooth (seconds and milliseconds included) for the corners of polygon hands.
    struct Dial {
        double units, stepped, smooth;
    };
    const std::array<Dial, kHandCount> dials = {{
        {U, s.Smooth ? h + F : h + m / 60, h + F},
        {60, s.Smooth ? m + S / 60 : m, m + S / 60},
        {60, s.Smooth ? S : sec, S},
        {31, d, d},
        {7, w, w},
        {12, n, n},
        {1000, double(p.BeatsWhole), double(p.BeatsWhole)},
        {1000, double(p.BeatsThousandths), double(p.BeatsThousandths)},
    }};
    for (size_t i = 0; i < kHandCount; ++i) {
        const Dial& dial = dials[i];
        const double position = s.Reversed ? dial.units - dial.stepped : dial.stepped;
        p.angle[i] = kTurn * position / dial.units;
        p.dialPosition[i] = s.Reversed ? dial.units - dial.smooth : dial.smooth;
        const int x = s.*kOwnPivotX[i];
        p.pivotX[i] = s.Reversed ? s.FaceWidth - x : x;
    }
    return p;
}

}  // namespace marvix
