#!/usr/bin/env python3
"""Makes the game's default event sounds and its example user skin.

    make_media.py <folder>

writes <folder>/Sound/{Capture,Error,Movement,Promotion}.wav and
<folder>/SKIN/Mint.bmp. Everything is synthesised here from a few numbers,
so the files are ours and the same on every run. Files already present are
left alone: a player may have replaced them.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def tone(freq, length, decay, volume=1.0, start=0.0, overtones=((1, 1.0),)):
    """A struck tone: partials of `freq` dying away with time constant `decay`."""
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        attack = min(1.0, t / 0.004)  # no click at the start
        envelope = attack * math.exp(-t / decay)
        value = sum(a * math.sin(2 * math.pi * freq * k * t + start) for k, a in overtones)
        samples.append(volume * envelope * value)
    return samples


def knock(length, decay, seed, volume):
    """A short filtered noise burst: wood on wood."""
    rng = random.Random(seed)
    out, low = [], 0.0
    for i in range(int(length * RATE)):
        t = i / RATE
        low += 0.25 * (rng.uniform(-1, 1) - low)
        out.append(volume * math.exp(-t / decay) * low)
    return out


def mix(*parts, offsets=None):
    offsets = offsets or [0.0] * len(parts)
    length = max(int(o * RATE) + len(p) for p, o in zip(parts, offsets))
    out = [0.0] * length
    for p, o in zip(parts, offsets):
        at = int(o * RATE)
        for i, v in enumerate(p):
            out[at + i] += v
    return out


def write_wave(path, samples, peak=0.55):
    top = max(abs(v) for v in samples) or 1.0
    frames = b"".join(struct.pack("<h", int(32767 * peak * v / top)) for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def sounds():
    wood = ((1, 1.0), (2.7, 0.35), (5.4, 0.12))
    movement = mix(tone(640, 0.12, 0.018, overtones=wood), knock(0.05, 0.006, 1, 0.5))
    capture = mix(tone(300, 0.22, 0.035, overtones=wood), knock(0.06, 0.008, 2, 0.7),
                  tone(480, 0.16, 0.025, 0.6, overtones=wood), offsets=[0, 0, 0.05])
    bell = ((1, 1.0), (2, 0.3), (3, 0.12))
    promotion = mix(*(tone(f, 0.45, 0.16, overtones=bell) for f in (523.25, 659.25, 783.99, 1046.5)),
                    offsets=[0, 0.09, 0.18, 0.27])
    soft = ((1, 1.0), (3, 0.2), (5, 0.08))
    error = mix(tone(233.08, 0.16, 0.07, overtones=soft), tone(196.0, 0.22, 0.09, overtones=soft),
                offsets=[0, 0.13])
    return {"Capture": capture, "Error": error, "Movement": movement, "Promotion": promotion}


# The skin: a grid of 6 x 7 tiles of 64 pixels. Row 0 holds the markers (a
# destination and a step mark on a dark square, then on a light one) and the
# logo in the last two columns; rows 1-3 are dark squares (plain, selected,
# last move), rows 4-6 light ones; column 0 is the empty square, then white
# man, white king, black man, black king.
TILE = 64
DARK, LIGHT = (58, 118, 96), (232, 238, 214)
WHITE_BODY, WHITE_RIM = (250, 246, 232), (150, 140, 120)
BLACK_BODY, BLACK_RIM = (36, 44, 70), (10, 12, 24)
CROWN = (226, 176, 40)
SELECTED, LAST_MOVE, MARKER = (255, 214, 40), (120, 200, 255), (240, 90, 60)


def blend(under, over, alpha):
    return tuple(int(u + (o - u) * alpha) for u, o in zip(under, over))


def coverage(distance):
    """How much of a pixel lies inside an edge `distance` pixels away."""
    return max(0.0, min(1.0, 0.5 - distance))


def square_pixel(dark, x, y):
    base = DARK if dark else LIGHT
    grain = 6 * math.sin((x + 2 * y) * 0.35) + 4 * math.sin(y * 0.9 + x * 0.05)
    return tuple(max(0, min(255, int(c + grain))) for c in base)


def tile_pixel(column, row, x, y):
    """Colour of pixel (x, y) of tile (column, row)."""
    cx, cy = x - 31.5, y - 31.5
    r = math.hypot(cx, cy)
    if row == 0:
        if column >= 4:  # the logo: two pieces on a dark band
            px = (column - 4) * TILE + x
            colour = DARK
            for centre, body, rim in ((40, WHITE_BODY, WHITE_RIM), (88, BLACK_BODY, BLACK_RIM)):
                d = math.hypot(px - centre, y - 31.5)
                colour = blend(colour, rim, coverage(d - 20))
                colour = blend(colour, body, coverage(d - 17))
            return colour
        colour = square_pixel(column < 2, x, y)
        if column % 2 == 0:  # destination: a ring
            return blend(colour, MARKER, coverage(abs(r - 22) - 2.5))
        return blend(colour, MARKER, coverage(r - 9))  # a step on the way: a dot
    dark = row <= 3
    colour = square_pixel(dark, x, y)
    mark = (row - 1) % 3
    if mark and column < 5:
        edge = min(x, y, 63 - x, 63 - y)
        colour = blend(colour, SELECTED if mark == 1 else LAST_MOVE, 1.0 if edge < 4 else 0.0)
    if column == 0 or column == 5:
        return colour
    black = column >= 3
    king = column in (2, 4)
    body, rim = (BLACK_BODY, BLACK_RIM) if black else (WHITE_BODY, WHITE_RIM)
    colour = blend(colour, (0, 0, 0), 0.35 * coverage(math.hypot(cx - 2, cy - 3) - 25))  # shadow
    colour = blend(colour, rim, coverage(r - 25))
    shade = 1.0 + 0.25 * (-(cx + cy) / 36.0)  # lit from the top left
    colour = blend(colour, tuple(min(255, int(c * shade)) for c in body), coverage(r - 22))
    colour = blend(colour, rim, 0.6 * coverage(abs(r - 15) - 1))
    if king:
        colour = blend(colour, CROWN, coverage(abs(r - 9) - 2.2))
        colour = blend(colour, CROWN, coverage(r - 3))
    return colour


def skin_bmp():
    width, height = 6 * TILE, 7 * TILE
    rows = []
    for y in range(height - 1, -1, -1):  # a BMP lists its rows from the bottom
        row = bytearray()
        for x in range(width):
            red, green, blue = tile_pixel(x // TILE, y // TILE, x % TILE, y % TILE)
            row += bytes((blue, green, red))
        rows.append(bytes(row))
    pixels = b"".join(rows)  # 384 x 3 bytes: rows need no padding
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(os.path.join(folder, "Sound"), exist_ok=True)
    os.makedirs(os.path.join(folder, "SKIN"), exist_ok=True)
    for name, samples in sounds().items():
        path = os.path.join(folder, "Sound", name + ".wav")
        if not os.path.exists(path):
            write_wave(path, samples)
    path = os.path.join(folder, "SKIN", "Mint.bmp")
    if not os.path.exists(path):
        with open(path, "wb") as f:
            f.write(skin_bmp())


if __name__ == "__main__":
    main()
