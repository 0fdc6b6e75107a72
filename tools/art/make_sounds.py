#!/usr/bin/env python3
"""Makes Marvix's built-in alarm sound and writes it as a Windows resource.

    make_sounds.py OUTPUT_DIR

writes alarm.wav: what an alarm that rings until answered plays when its own file is missing or
cannot be played. Four bright strokes of a small bell, then a rest, 1.6 seconds in all, made to
loop; 11025 samples a second, 8 bits, mono, so that it adds little to the program. Made from
sine waves with the standard library alone; the output is the same byte for byte on every run.
"""
import math
import struct
import sys
from pathlib import Path

RATE = 11025
LENGTH = 1.6          # seconds, the rest included
STROKES = (0.0, 0.18, 0.36, 0.54)
PITCH = 1568.0        # G6: high enough to cut through a room, low enough for a laptop speaker
# A bell's partials: its pitch, and the overtones that make it a bell rather than a beep.
PARTIALS = ((1.0, 1.0), (2.0, 0.45), (2.76, 0.3), (5.4, 0.12))
DECAY = 11.0          # a stroke dies away in about a quarter of a second


def sample(t):
    value = 0.0
    for start in STROKES:
        age = t - start
        if age < 0 or age > 0.5:
            continue
        attack = min(1.0, age / 0.004)  # no click at the start of a stroke
        envelope = attack * math.exp(-DECAY * age)
        for ratio, weight in PARTIALS:
            value += weight * envelope * math.sin(2 * math.pi * PITCH * ratio * age)
    return value


def wav8(samples):
    data = bytes(samples)
    fmt = struct.pack('<HHIIHH', 1, 1, RATE, RATE, 1, 8)
    chunks = b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(data)) + data
    if len(data) % 2:
        chunks += b'\0'
    return b'RIFF' + struct.pack('<I', 4 + len(chunks)) + b'WAVE' + chunks


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    raw = [sample(i / RATE) for i in range(int(RATE * LENGTH))]
    peak = max(abs(v) for v in raw)
    scale = 0.9 * 127 / peak
    samples = [max(0, min(255, 128 + round(v * scale))) for v in raw]
    (out / 'alarm.wav').write_bytes(wav8(samples))


if __name__ == '__main__':
    main()
