#include "hands/hand_positions.h"

#include <numbers>

#include "digital/internet_time.h"

namespace marvix {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

}  // namespace

HandPositions PrepareHands(const ClockSettings& s, const LocalTime& date, const LocalTime& time,
                           int32_t utcBias, int faceWidth) {
    HandPositions p;
    const double d = date.day - 1, w = date.dayOfWeek - 1, n = date.month - 1;
    const double h = time.hour, m = time.minute, sec = time.second;
    const double S = sec + time.millisecond / 1000.0;
    const double F = (m + S / 60) / 60;

    // The Internet hands stand where their display's text (three decimals) puts them. Writing
    // that text costs more than all the rest of a tick's hands, so a clock that shows neither
    // hand does not write it 100 times a second in smooth mode.
    if (s.DispInternet1 || s.DispInternet2) {
        const BeatsParts beats = SplitBeats(InternetBeats(time, utcBias));
        p.BeatsWhole = beats.whole;
        p.BeatsThousandths = beats.thousandths;
    }

    // Where each hand stands on its dial, in the dial's units: stepped as the hand moves, and
    // smooth (seconds and milliseconds included) for the corners of polygon hands.
    struct Position {
        double stepped, smooth;
    };
    const std::array<Position, kHandCount> positions = {{
        {.stepped = s.Smooth ? h + F : h + m / 60, .smooth = h + F},
        {.stepped = s.Smooth ? m + S / 60 : m, .smooth = m + S / 60},
        {.stepped = s.Smooth ? S : sec, .smooth = S},
        {.stepped = d, .smooth = d},
        {.stepped = w, .smooth = w},
        {.stepped = n, .smooth = n},
        {.stepped = double(p.BeatsWhole), .smooth = double(p.BeatsWhole)},
        {.stepped = double(p.BeatsThousandths), .smooth = double(p.BeatsThousandths)},
    }};
    for (size_t i = 0; i < kHandCount; ++i) {
        const double units = DialOf(s, static_cast<Hand>(i)).units;
        const Position& at = positions[i];
        p.angle[i] = kTurn * (s.Reversed ? units - at.stepped : at.stepped) / units;
        p.dialPosition[i] = s.Reversed ? units - at.smooth : at.smooth;
        const int x = s.*kHands[i].x;
        p.pivotX[i] = s.Reversed ? faceWidth - x : x;
    }
    return p;
}

}  // namespace marvix
