#!/usr/bin/env python3
"""Draws the program icon, a golden cog wheel, into res/Pivel.ico (16 to 256 pixels, PNG entries).

Pure Python: run it again after changing the drawing, and commit the .ico it writes.
"""
import math
import os
import sys

sys.dont_write_bytecode = True
import raster  # noqa: E402  (beside this script)

SIZES = [16, 32, 48, 64, 128, 256]
TEETH = 10


def cog_coverage(x, y):
    """Returns (inside, shade) for a point in the unit square, the cog centred at (0.5, 0.5)."""
    dx, dy = x - 0.5, y - 0.5
    r = math.hypot(dx, dy)
    a = math.atan2(dy, dx)
    # Teeth: a rounded square wave around the rim.
    phase = (a * TEETH / (2 * math.pi)) % 1.0
    tooth = 1.0 if 0.05 < phase < 0.5 else 0.0
    outer = 0.38 + 0.10 * tooth
    if r > outer or r < 0.12:
        return False, 0.0
    return True, r


def pixel(x, y, size):
    """The premultiplied-free RGBA of one pixel, with 4x4 supersampling."""
    n = 4
    acc = [0.0, 0.0, 0.0, 0.0]
    for sy in range(n):
        for sx in range(n):
            px = (x + (sx + 0.5) / n) / size
            py = (y + (sy + 0.5) / n) / size
            inside, t = cog_coverage(px, py)
            if not inside:
                continue
            # Gold: light at the top-left, darker toward the bottom-right and the rim.
            light = 0.55 + 0.45 * (1.0 - (px + py) / 2.0)
            rim = 0.78 if t > 0.34 else 1.0
            hub = 0.82 if t < 0.19 else 1.0
            k = light * rim * hub
            acc[0] += min(255, 250 * k)
            acc[1] += min(255, 196 * k)
            acc[2] += min(255, 60 * k)
            acc[3] += 255
    cov = acc[3] / (n * n * 255)
    if cov == 0:
        return (0, 0, 0, 0)
    inside_samples = acc[3] / 255
    return (int(acc[0] / inside_samples), int(acc[1] / inside_samples), int(acc[2] / inside_samples),
            int(round(cov * 255)))


def png(size):
    rows = [b"".join(bytes(pixel(x, y, size)) for x in range(size)) for y in range(size)]
    return raster.encode_png(size, size, rows)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "Pivel.ico")
    with open(out, "wb") as f:
        f.write(raster.encode_ico([(s, png(s)) for s in SIZES]))


if __name__ == "__main__":
    main()
