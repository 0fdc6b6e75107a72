#!/usr/bin/env python3
"""Draws the faces of the gallery's ready clocks.

    make_gallery_faces.py OUTPUT_DIR

writes one 8-bit BMP per gallery clock, and a copy at twice its size (name@2x.bmp), drawn from
geometry with the helpers of make_art.py; the output is the same byte for byte on every run. Each face is made for its configuration: where its
hands turn, where its dials and displays sit.
"""
import math
import sys
from pathlib import Path

from make_art import (BLACK, StrokeShape, bmp8, clamp01, lerp, render, text_shape,
                      turbulence)

CREAM = (240, 232, 206)
BRASS = (176, 141, 60)
BRASS_DARK = (96, 74, 28)


def polar(cx, cy, r, turn):
    """The point at radius r, `turn` of a full circle clockwise from the top."""
    a = 2 * math.pi * turn
    return cx + r * math.sin(a), cy - r * math.cos(a)


def marks(cx, cy, outer, inner, count, every=1, skip=()):
    """Radial lines for `count` divisions of the circle, every `every`-th one, some left out."""
    return [[polar(cx, cy, outer, i / count), polar(cx, cy, inner, i / count)]
            for i in range(0, count, every) if i not in skip]


def numerals(cx, cy, r, labels, height, stroke):
    """Numerals evenly round the circle, the first at the top."""
    shapes = []
    for i, label in enumerate(labels):
        x, y = polar(cx, cy, r, i / len(labels))
        shapes.append(text_shape(label, x, y, height, stroke))
    return shapes


def bezel(r, r_in, r_out, light, dark):
    """A rounded metal ring between two radii: light on its crown, dark at its edges."""
    depth = math.sin(math.pi * clamp01((r - r_in) / (r_out - r_in)))
    return lerp(dark, light, 0.35 + 0.65 * depth)


def first(shapes, x, y):
    for shape, colour in shapes:
        if shape.covers(x, y):
            return colour
    return None


# --- the faces ----------------------------------------------------------------------------------

def twenty_four():
    """A night-blue 24-hour dial in a brass ring: midnight at the top, noon at the bottom."""
    c = 100
    shapes = [(StrokeShape(marks(c, c, 78, 66, 24, 6), 3.0), CREAM),
              (StrokeShape(marks(c, c, 78, 71, 24, 1, skip=(0, 6, 12, 18)), 1.6), CREAM),
              (StrokeShape(marks(c, c, 78, 75, 96, 1), 0.9), (150, 160, 190))]
    shapes += [(s, CREAM) for s in numerals(c, c, 54, ['24', '6', '12', '18'], 14, 2.2)]
    ring = [(StrokeShape([[polar(c, c, 34, i / 64) for i in range(65)]], 1.0), (90, 110, 160))]

    def colour(x, y):
        r = math.hypot(x - c, y - c)
        if r > 99.3:
            return BLACK
        if r > 84:
            return bezel(r, 84, 99.3, BRASS, BRASS_DARK)
        found = first(shapes + ring, x, y)
        if found:
            return found
        # Lighter above the horizon, as the day is.
        return lerp((10, 22, 58), (28, 52, 104), clamp01((c - y) / 160 + 0.35))

    return 'twenty-four', 200, 200, colour


def internet():
    """Internet time: a thousand beats round a teal dial, a numeral at every hundred."""
    c = 100
    labels = [str(i) for i in range(10)]
    shapes = [(StrokeShape(marks(c, c, 80, 69, 10), 3.0), (230, 250, 245)),
              (StrokeShape(marks(c, c, 80, 75, 50, 1, skip=range(0, 50, 5)), 1.2),
               (160, 220, 210))]
    shapes += [(s, (230, 250, 245)) for s in numerals(c, c, 57, labels, 13, 2.1)]

    def colour(x, y):
        r = math.hypot(x - c, y - c)
        if r > 99.3:
            return BLACK
        if r > 86:
            return bezel(r, 86, 99.3, (70, 160, 160), (10, 50, 60))
        found = first(shapes, x, y)
        if found:
            return found
        # A window for the two beat displays below the centre, between the numerals.
        if 74 <= x <= 126 and 109 <= y <= 141:
            return (8, 36, 40)
        return lerp((14, 92, 96), (6, 52, 60), r / 86)

    return 'internet', 200, 200, colour


def moon_and_sun():
    """A dial with two round windows: the moon's above the centre, the day's below it."""
    c = 120
    windows = [(120, 70), (120, 170)]
    shapes = [(StrokeShape(marks(c, c, 108, 96, 12, 1), 3.0), (40, 40, 60)),
              (StrokeShape(marks(c, c, 108, 103, 60, 1, skip=range(0, 60, 5)), 1.1),
               (70, 70, 90))]
    shapes += [(text_shape('3', 190, 120, 15, 2.3), (40, 40, 60)),
               (text_shape('9', 50, 120, 15, 2.3), (40, 40, 60))]

    def colour(x, y):
        r = math.hypot(x - c, y - c)
        if r > 119.3:
            return BLACK
        if r > 112:
            return bezel(r, 112, 119.3, (200, 200, 215), (60, 60, 80))
        for wx, wy in windows:
            w = math.hypot(x - wx, y - wy)
            if w <= 35:
                return bezel(w, 29, 35, BRASS, BRASS_DARK) if w > 29 else (20, 20, 40)
        found = first(shapes, x, y)
        if found:
            return found
        return lerp((236, 234, 226), (206, 204, 196), r / 112)

    return 'moon-and-sun', 240, 240, colour


def square():
    """A square parchment face in a walnut frame, marks on a square track."""
    size, c = 200, 100

    def track(turn, inset):
        # The point where the ray at `turn` meets the square `inset` from the edge.
        dx, dy = math.sin(2 * math.pi * turn), -math.cos(2 * math.pi * turn)
        half = c - inset
        k = half / max(abs(dx), abs(dy))
        return c + dx * k, c + dy * k

    major = [[track(i / 12, 16), track(i / 12, 30)] for i in range(12) if i % 3]
    minor = [[track(i / 60, 16), track(i / 60, 22)] for i in range(60) if i % 5]
    ink = (50, 36, 24)
    shapes = [(StrokeShape(major, 3.0), ink), (StrokeShape(minor, 1.2), ink),
              (text_shape('12', c, 36, 16, 2.4), ink), (text_shape('3', 164, c, 16, 2.4), ink),
              (text_shape('6', c, 164, 16, 2.4), ink), (text_shape('9', 36, c, 16, 2.4), ink)]

    def colour(x, y):
        edge = min(x, y, size - x, size - y)
        if edge < 10:
            grain = turbulence(x / 8.0, y / 8.0)
            return lerp((70, 40, 20), (120, 74, 40), clamp01(grain - 0.6))
        found = first(shapes, x, y)
        if found:
            return found
        return lerp((246, 236, 206), (226, 210, 170), clamp01(turbulence(x / 30, y / 30) - 0.7))

    return 'square', size, size, colour


def mirror():
    """A barber's shop clock, to be read in a mirror: red and white all round, every numeral."""
    c = 100
    labels = ['12'] + [str(i) for i in range(1, 12)]
    navy = (20, 30, 90)
    shapes = [(s, navy) for s in numerals(c, c, 66, labels, 15, 2.4)]
    shapes.append((StrokeShape(marks(c, c, 84, 79, 60, 1), 1.4), navy))

    def colour(x, y):
        r = math.hypot(x - c, y - c)
        if r > 99.3:
            return BLACK
        if r > 86:
            turn = (math.atan2(x - c, c - y) / (2 * math.pi)) % 1
            stripe = int((turn * 36 + (r - 86) / 6) % 2)
            return (200, 24, 32) if stripe else (250, 250, 250)
        found = first(shapes, x, y)
        return found or (250, 250, 244)

    return 'mirror', 200, 200, colour


def desk():
    """A wide desk clock: a dial on the left, a dark panel for the displays on the right."""
    width, height = 360, 220
    c = (110, 110)
    ink = (235, 235, 240)
    shapes = [(StrokeShape(marks(*c, 86, 74, 12), 3.2), ink),
              (StrokeShape(marks(*c, 86, 81, 60, 1, skip=range(0, 60, 5)), 1.2), ink)]
    shapes += [(s, ink) for s in numerals(*c, 62, ['12', '3', '6', '9'], 15, 2.3)]

    def colour(x, y):
        r = math.hypot(x - c[0], y - c[1])
        if r <= 92:
            found = first(shapes, x, y)
            return found or lerp((44, 48, 62), (24, 26, 36), r / 92)
        if r <= 98:
            return bezel(r, 92, 98, (190, 190, 200), (60, 60, 70))
        if 214 <= x <= 344 and 18 <= y <= 202:
            if x < 216 or x > 342 or y < 20 or y > 200:
                return (90, 90, 100)
            return (10, 14, 12)
        # Brushed metal.
        return lerp((150, 152, 160), (190, 192, 200), clamp01(turbulence(x / 90, y / 2) - 0.6))

    return 'desk', width, height, colour


FACES = [twenty_four, internet, moon_and_sun, square, mirror, desk]


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for make in FACES:
        name, width, height, colour = make()
        pixels = render(width, height, colour, samples=2)
        (out / f'{name}.bmp').write_bytes(bmp8(width, height, pixels))
        # The same face drawn at twice the size, which a clock shown above 150 % resamples from.
        larger = render(2 * width, 2 * height, lambda x, y, c=colour: c(x / 2, y / 2), samples=2)
        (out / f'{name}@2x.bmp').write_bytes(bmp8(2 * width, 2 * height, larger))


if __name__ == '__main__':
    main()
