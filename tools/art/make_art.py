#!/usr/bin/env python3
"""Draws Marvix's built-in pictures and writes them as Windows resources.

    make_art.py OUTPUT_DIR

writes face.bmp (the 200 x 200 built-in face, 8 bits per pixel) and face@2x.bmp (the same face
drawn at 400 x 400, for large sizes), fallback.bmp (the 100 x 100
"image too big" face), installer.bmp (the installer's 164 x 314 side picture), marvix.ico (32 x 32, 16 colours) and tray.ico (16 x 16, 16 colours).
Everything is drawn here from geometry with the standard library alone; the output is the same
byte for byte on every run, so the pictures in the repository can be checked against it.
"""
import math
import struct
import sys
from pathlib import Path

# --- drawing primitives -------------------------------------------------------------------------

def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def clamp01(t):
    return 0.0 if t < 0 else 1.0 if t > 1 else t


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp01(((px - ax) * dx + (py - ay) * dy) / length2)
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def arc(cx, cy, rx, ry, start_deg, end_deg, steps=24):
    """Points of an arc, y down, angles in degrees (0 = right, 90 = down)."""
    return [(cx + rx * math.cos(math.radians(start_deg + (end_deg - start_deg) * i / steps)),
             cy + ry * math.sin(math.radians(start_deg + (end_deg - start_deg) * i / steps)))
            for i in range(steps + 1)]


def bezier(p0, p1, p2, steps=16):
    return [tuple((1 - t) ** 2 * a + 2 * (1 - t) * t * b + t * t * c for a, b, c in zip(p0, p1, p2))
            for t in (i / steps for i in range(steps + 1))]


class StrokeShape:
    """Polylines drawn with a round pen; coverage is taken from the distance to the nearest one."""

    def __init__(self, polylines, width):
        self.segments = [(a, b) for line in polylines for a, b in zip(line, line[1:])]
        self.half = width / 2
        xs = [p[0] for s in self.segments for p in s]
        ys = [p[1] for s in self.segments for p in s]
        self.box = (min(xs) - width, min(ys) - width, max(xs) + width, max(ys) + width)

    def covers(self, x, y):
        x0, y0, x1, y1 = self.box
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        return any(segment_distance(x, y, *a, *b) <= self.half for a, b in self.segments)


# --- glyphs: a small stroke alphabet in a unit box (x 0..1, y 0..1, y down) ----------------------

GLYPHS = {
    '0': [arc(0.5, 0.5, 0.38, 0.5, 0, 360, 40)],
    '1': [[(0.28, 0.2), (0.56, 0.0), (0.56, 1.0)]],
    '2': [arc(0.5, 0.27, 0.27, 0.27, 190, 380) + bezier((0.754, 0.362), (0.62, 0.62), (0.16, 1.0)),
          [(0.16, 1.0), (0.86, 1.0)]],
    '3': [arc(0.5, 0.25, 0.25, 0.25, 200, 450), arc(0.5, 0.73, 0.28, 0.27, 270, 520)],
    '4': [[(0.68, 1.0), (0.68, 0.0), (0.1, 0.7), (0.9, 0.7)]],
    '5': [[(0.8, 0.0), (0.26, 0.0), (0.22, 0.44)] + arc(0.5, 0.68, 0.32, 0.32, 225, 500)],
    '6': [arc(0.5, 0.7, 0.3, 0.3, 0, 360), bezier((0.2, 0.7), (0.2, 0.04), (0.74, 0.02))],
    '7': [[(0.12, 0.0), (0.88, 0.0), (0.38, 1.0)]],
    '8': [arc(0.5, 0.25, 0.24, 0.25, 0, 360, 32), arc(0.5, 0.73, 0.3, 0.27, 0, 360, 32)],
    '9': [arc(0.5, 0.3, 0.3, 0.3, 0, 360), bezier((0.8, 0.3), (0.8, 0.96), (0.26, 0.98))],
    'A': [[(0.08, 1.0), (0.5, 0.0), (0.92, 1.0)], [(0.25, 0.64), (0.75, 0.64)]],
    'B': [[(0.15, 0.0), (0.15, 1.0)],
          [(0.15, 0.0), (0.58, 0.0)] + arc(0.58, 0.25, 0.27, 0.25, 270, 450) + [(0.15, 0.5)],
          [(0.15, 0.5), (0.6, 0.5)] + arc(0.6, 0.75, 0.3, 0.25, 270, 450) + [(0.15, 1.0)]],
    'E': [[(0.85, 0.0), (0.15, 0.0), (0.15, 1.0), (0.85, 1.0)], [(0.15, 0.5), (0.68, 0.5)]],
    'G': [arc(0.5, 0.5, 0.42, 0.5, 320, 45) + [(0.92, 0.56), (0.56, 0.56)]],
    'I': [[(0.5, 0.0), (0.5, 1.0)], [(0.25, 0.0), (0.75, 0.0)], [(0.25, 1.0), (0.75, 1.0)]],
    'M': [[(0.08, 1.0), (0.08, 0.0), (0.5, 0.62), (0.92, 0.0), (0.92, 1.0)]],
    'O': [arc(0.5, 0.5, 0.42, 0.5, 0, 360, 40)],
    'T': [[(0.08, 0.0), (0.92, 0.0)], [(0.5, 0.0), (0.5, 1.0)]],
}


def text_shape(text, centre_x, centre_y, height, stroke, advance=0.72):
    """A stroke shape of `text` centred on the point, glyphs `height` tall."""
    width = height * 0.62
    total = width + (len(text) - 1) * height * advance
    left, top = centre_x - total / 2, centre_y - height / 2
    lines = []
    for i, ch in enumerate(text):
        ox = left + i * height * advance
        for line in GLYPHS[ch]:
            lines.append([(ox + x * width, top + y * height) for x, y in line])
    return StrokeShape(lines, stroke)


# --- value noise for the marble -----------------------------------------------------------------

def _hash(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def value_noise(x, y, seed):
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a, b = _hash(ix, iy, seed), _hash(ix + 1, iy, seed)
    c, d = _hash(ix, iy + 1, seed), _hash(ix + 1, iy + 1, seed)
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy


def turbulence(x, y):
    return sum(value_noise(x * f, y * f, 7 + o) / f for o, f in enumerate((1, 2, 4, 8)))


# --- the pictures ---------------------------------------------------------------------------------

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
INK = (28, 30, 38)
TICK = (52, 54, 60)
DARK_RED = (128, 0, 0)
RING_DEEP = (6, 58, 30)
RING_MID = (22, 112, 58)
RING_VEIN = (150, 206, 160)
RING_EDGE = (4, 40, 20)


def face_colour(x, y, shapes):
    cx = cy = 100.0
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r > 99.2:
        return BLACK
    if r > 80.5:
        # Marble: bands that follow the ring, bent by turbulence, with light veins.
        t = turbulence(x / 22.0, y / 22.0)
        angle = math.atan2(dy, dx)
        band = 0.5 + 0.5 * math.sin(angle * 5 + r * 0.22 + t * 5.5)
        vein = clamp01(1 - abs(math.sin(angle * 3 + t * 9 + r * 0.05)) * 7)
        colour = lerp(RING_DEEP, RING_MID, band)
        colour = lerp(colour, RING_VEIN, vein * 0.85)
        # Rounded like a moulding: darker towards both edges.
        depth = math.sin(math.pi * (r - 80.5) / 18.7)
        colour = lerp(RING_EDGE, colour, 0.45 + 0.55 * depth)
        if r > 98.0:
            colour = lerp(colour, RING_EDGE, (r - 98.0) / 1.2)
        return colour
    if r > 79.2:
        return RING_EDGE
    if r <= 5.5:
        return DARK_RED
    for shape, colour in shapes:
        if shape.covers(x, y):
            return colour
    return WHITE


def face_shapes():
    ticks = []
    bold = []
    for i in range(60):
        a = math.radians(i * 6)
        s, c = math.sin(a), -math.cos(a)
        if i % 15 == 0:
            continue  # the numerals stand there
        inner = 68.5 if i % 5 == 0 else 72.5
        line = [(100 + 76 * s, 100 + 76 * c), (100 + inner * s, 100 + inner * c)]
        (bold if i % 5 == 0 else ticks).append(line)
    return [
        (StrokeShape(bold, 2.6), INK),
        (StrokeShape(ticks, 1.1), TICK),
        (text_shape('12', 100, 44.5, 17, 2.3), INK),
        (text_shape('3', 155.5, 100, 17, 2.3), INK),
        (text_shape('6', 100, 155.5, 17, 2.3), INK),
        (text_shape('9', 44.5, 100, 17, 2.3), INK),
    ]


def fallback_colour(x, y, shapes):
    for shape, colour in shapes:
        if shape.covers(x, y):
            return colour
    return BLACK


def fallback_shapes():
    red = (230, 20, 20)
    return [(text_shape('IMAGE', 50, 27, 15, 2.2, 0.78), red),
            (text_shape('TOO', 50, 51, 15, 2.2, 0.78), red),
            (text_shape('BIG', 50, 75, 15, 2.2, 0.78), red)]


def installer_colour(x, y, shapes, hands):
    """The installer's side picture: the built-in face at ten past ten on the ring's deep green."""
    cx, cy, scale = 82.0, 112.0, 0.68
    fx, fy = 100 + (x - cx) / scale, 100 + (y - cy) / scale
    if math.hypot(fx - 100, fy - 100) <= 99.2:
        if hands.covers(fx, fy):
            return INK
        return face_colour(fx, fy, shapes)
    return lerp(RING_MID, RING_EDGE, clamp01(y / 314.0))


def installer_hands():
    def hand(degrees, length):
        a = math.radians(degrees)
        return [(100, 100), (100 + length * math.sin(a), 100 - length * math.cos(a))]
    return StrokeShape([hand(10 * 30 + 9 * 0.5, 44), hand(9 * 6, 64)], 3.2)


def render(width, height, colour_at, samples=4):
    """Colour of every pixel, averaged over samples x samples points inside it."""
    pixels = []
    offsets = [(i + 0.5) / samples for i in range(samples)]
    for y in range(height):
        for x in range(width):
            acc = [0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    c = colour_at(x + ox, y + oy)
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
            n = samples * samples
            pixels.append(tuple(int(round(v / n)) for v in acc))
    return pixels


# --- colour reduction -------------------------------------------------------------------------

def median_cut(colours, count):
    """Up to `count` palette colours for a list of (r, g, b) pixels."""
    boxes = [sorted(set(colours))]
    while len(boxes) < count:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: max(max(c[i] for c in b) - min(c[i] for c in b)
                                                  for i in range(3)))
        boxes.remove(box)
        channel = max(range(3), key=lambda i: max(c[i] for c in box) - min(c[i] for c in box))
        box.sort(key=lambda c: (c[channel], c))
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    palette = [tuple(int(round(sum(c[i] for c in b) / len(b))) for i in range(3)) for b in boxes]
    return sorted(set(palette))


def nearest(palette, colour, cache):
    if colour not in cache:
        cache[colour] = min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in
                                                                  zip(palette[i], colour)))
    return cache[colour]


# --- file formats -----------------------------------------------------------------------------

def bmp8(width, height, pixels, fixed=()):
    palette = median_cut(pixels, 256 - len(fixed))
    palette = sorted(set(palette) | set(fixed))
    cache = {}
    stride = (width + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytes(nearest(palette, pixels[y * width + x], cache) for x in range(width))
        rows.append(row + bytes(stride - width))
    image = b''.join(rows)
    colour_table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colour_table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(image), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(image), 2835, 2835,
                       len(palette), 0)
    return header + info + colour_table + image


VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def ico16(size, colour_at):
    """A one-image icon of 16 colours; pixels whose coverage is under half are transparent."""
    samples = 4
    offsets = [(i + 0.5) / samples for i in range(samples)]
    indices, opaque = [], []
    cache = {}
    for y in range(size):
        for x in range(size):
            acc, hits = [0.0, 0.0, 0.0], 0
            for oy in offsets:
                for ox in offsets:
                    c = colour_at(x + ox, y + oy)
                    if c is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            opaque.append(hits * 2 >= samples * samples)
            colour = tuple(int(round(v / hits)) for v in acc) if hits else (0, 0, 0)
            indices.append(nearest(VGA16, colour, cache) if opaque[-1] else 0)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        row = bytearray(xor_stride)
        mask = bytearray(and_stride)
        for x in range(size):
            i = y * size + x
            row[x // 2] |= indices[i] << (0 if x % 2 else 4)
            if not opaque[i]:
                mask[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(row))
        and_rows.append(bytes(mask))
    image = (struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         (xor_stride + and_stride) * size, 0, 0, 16, 0) +
             b''.join(bytes((b, g, r, 0)) for r, g, b in VGA16) +
             b''.join(xor_rows) + b''.join(and_rows))
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4,
                                                             len(image), 6 + 16)
    return directory + image


def icon_colour(size):
    """The clock in small: green rim, white dial, hands at ten past ten, red centre."""
    c = size / 2
    hour = math.radians(305)
    minute = math.radians(60)
    hands = StrokeShape([[(c, c), (c + 0.45 * c * math.sin(hour), c - 0.45 * c * math.cos(hour))],
                         [(c, c), (c + 0.68 * c * math.sin(minute),
                                   c - 0.68 * c * math.cos(minute))]], max(1.2, size / 14))

    def colour(x, y):
        r = math.hypot(x - c, y - c)
        if r > c:
            return None
        if r > c * 0.8:
            return (0, 128, 0)
        if r < c * 0.12:
            return (128, 0, 0)
        if hands.covers(x, y):
            return (0, 0, 0)
        return (255, 255, 255)
    return colour


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    shapes = face_shapes()
    face = render(200, 200, lambda x, y: face_colour(x, y, shapes))
    (out / 'face.bmp').write_bytes(bmp8(200, 200, face, fixed=(BLACK, WHITE, DARK_RED)))
    # The same face drawn at twice its size, for a clock larger than 150 %: sharp numerals and
    # centre where an enlarged copy of the small one had grey fringes.
    large = render(400, 400, lambda x, y: face_colour(x / 2, y / 2, shapes), samples=2)
    (out / 'face@2x.bmp').write_bytes(bmp8(400, 400, large, fixed=(BLACK, WHITE, DARK_RED)))
    fallback_parts = fallback_shapes()
    fallback = render(100, 100, lambda x, y: fallback_colour(x, y, fallback_parts))
    (out / 'fallback.bmp').write_bytes(bmp8(100, 100, fallback, fixed=(BLACK,)))
    hands = installer_hands()
    side = render(164, 314, lambda x, y: installer_colour(x, y, shapes, hands), samples=3)
    (out / 'installer.bmp').write_bytes(bmp8(164, 314, side, fixed=(BLACK, WHITE, DARK_RED)))
    (out / 'marvix.ico').write_bytes(ico16(32, icon_colour(32)))
    (out / 'tray.ico').write_bytes(ico16(16, icon_colour(16)))


if __name__ == '__main__':
    main()
