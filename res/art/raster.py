"""A small pure-Python rasteriser for the artwork: shapes, paints, a canvas, PNG and ICO writers.

Shapes are signed distance functions of a point in pixel coordinates (x to the right, y down, the
pixel (i, j) covering [i, i + 1] x [j, j + 1]): negative inside, positive outside, in pixels. A pixel
whose centre lies well inside or outside a shape is taken as fully covered or empty; the others are
supersampled, so edges that lie on whole pixel coordinates come out perfectly sharp and the rest are
smoothly anti-aliased.

Paints are a colour (r, g, b) or (r, g, b, a), components 0 to 255 and a from 0 to 1, or a function
of the pixel centre returning one.
"""
import math
import struct
import zlib

SUPERSAMPLE = 8
# Half the diagonal of a pixel, plus some slack for shapes whose distance is only estimated.
_SURE = 0.9


# --- shapes -------------------------------------------------------------------------------------

def box(x0, y0, x1, y1, radius=0.0):
    """An axis-aligned rectangle, optionally with rounded corners."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - radius, (y1 - y0) / 2.0 - radius

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return d


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, a, b):
    """An ellipse with half-axes a (across) and b (down); the distance is a first-order estimate."""
    def d(x, y):
        u, v = (x - cx) / a, (y - cy) / b
        f = u * u + v * v - 1.0
        g = 2.0 * math.hypot(u / a, v / b)
        if g < 1e-9:
            return -min(a, b)
        return f / g
    return d


def diamond(cx, cy, r):
    """A square standing on a corner, r from the centre to each corner."""
    k = 1.0 / math.sqrt(2.0)
    return lambda x, y: (abs(x - cx) + abs(y - cy) - r) * k


def bar(ax, ay, bx, by, width, round_ends=False):
    """A straight stroke from a to b: flat ends at a and b, or half-disc ends beyond them."""
    lx, ly = bx - ax, by - ay
    length = math.hypot(lx, ly)
    ux, uy = lx / length, ly / length
    half = width / 2.0
    mx, my = (ax + bx) / 2.0, (ay + by) / 2.0

    def d(x, y):
        px, py = x - mx, y - my
        along = abs(px * ux + py * uy) - length / 2.0
        across = abs(-px * uy + py * ux)
        if round_ends:
            return math.hypot(max(along, 0.0), across) - half
        qx, qy = along, across - half
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0)
    return d


def polygon(points):
    """A convex polygon, its corners listed clockwise on screen (y down)."""
    edges = []
    n = len(points)
    for i in range(n):
        (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
        length = math.hypot(bx - ax, by - ay)
        edges.append((ax, ay, (by - ay) / length, -(bx - ax) / length))

    def d(x, y):
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)
    return d


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(shape, hole):
    return lambda x, y: max(shape(x, y), -hole(x, y))


def inset(shape, amount):
    """The shape shrunk by amount pixels all round (grown when amount is negative)."""
    return lambda x, y: shape(x, y) + amount


def outline(shape, width):
    """The band of the given width just inside the shape's edge."""
    return subtract(shape, inset(shape, width))


# --- paints -------------------------------------------------------------------------------------

def mix(c0, c1, t):
    t = min(1.0, max(0.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def linear(x0, y0, c0, x1, y1, c1):
    """A gradient from colour c0 at (x0, y0) to c1 at (x1, y1), constant beyond both ends."""
    dx, dy = x1 - x0, y1 - y0
    n = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / n)


def radial(cx, cy, r, c0, c1):
    """A gradient from c0 at (cx, cy) to c1 at distance r and beyond."""
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


# --- canvas -------------------------------------------------------------------------------------

class Canvas:
    """A square RGBA image kept premultiplied in floating point."""

    def __init__(self, size):
        self.size = size
        self.px = [0.0] * (size * size * 4)

    def coverage(self, shape, x, y):
        d = shape(x + 0.5, y + 0.5)
        if d <= -_SURE:
            return 1.0
        if d >= _SURE:
            return 0.0
        n = SUPERSAMPLE
        hits = 0
        for sy in range(n):
            py = y + (sy + 0.5) / n
            for sx in range(n):
                if shape(x + (sx + 0.5) / n, py) < 0.0:
                    hits += 1
        return hits / float(n * n)

    def fill(self, shape, paint, opacity=1.0):
        """Paints the shape over what is already drawn."""
        for y in range(self.size):
            for x in range(self.size):
                cov = self.coverage(shape, x, y)
                if cov == 0.0:
                    continue
                c = paint(x + 0.5, y + 0.5) if callable(paint) else paint
                a = (c[3] if len(c) > 3 else 1.0) * cov * opacity
                i = (y * self.size + x) * 4
                p = self.px
                p[i] = c[0] * a + p[i] * (1.0 - a)
                p[i + 1] = c[1] * a + p[i + 1] * (1.0 - a)
                p[i + 2] = c[2] * a + p[i + 2] * (1.0 - a)
                p[i + 3] = a + p[i + 3] * (1.0 - a)

    def rows(self):
        """The image as rows of straight (not premultiplied) 8-bit RGBA bytes."""
        out = []
        for y in range(self.size):
            row = bytearray()
            for x in range(self.size):
                i = (y * self.size + x) * 4
                a = self.px[i + 3]
                if a <= 0.5 / 255.0:
                    row.extend((0, 0, 0, 0))
                    continue
                row.extend(min(255, int(round(self.px[i + k] / a))) for k in range(3))
                row.append(min(255, int(round(a * 255.0))))
            out.append(bytes(row))
        return out

    def png(self):
        return encode_png(self.size, self.size, self.rows(), filtered=True)


# --- files --------------------------------------------------------------------------------------

def _filter_row(kind, row, prev):
    n = len(row)
    if kind == 0:
        return b"\x00" + row
    left = bytes(4) + row[:-4]
    if kind == 1:
        return b"\x01" + bytes((row[i] - left[i]) & 255 for i in range(n))
    if kind == 2:
        return b"\x02" + bytes((row[i] - prev[i]) & 255 for i in range(n))
    if kind == 3:
        return b"\x03" + bytes((row[i] - ((left[i] + prev[i]) >> 1)) & 255 for i in range(n))
    upleft = bytes(4) + prev[:-4]
    out = bytearray(b"\x04")
    for i in range(n):
        a, b, c = left[i], prev[i], upleft[i]
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
        out.append((row[i] - pred) & 255)
    return bytes(out)


def _filtered_data(rows, width, choose):
    prev = bytes(width * 4)
    parts = []
    for r in rows:
        r = bytes(r)
        parts.append(choose(r, prev))
        prev = r
    return b"".join(parts)


def encode_png(width, height, rows, filtered=False):
    """A truecolour-with-alpha PNG from rows of RGBA bytes.

    Unfiltered unless asked; when filtered, each of the PNG row filters (and a per-row choice by the
    usual least-magnitude rule) is tried and the smallest result kept.
    """
    if filtered:
        def least(r, prev):
            return min((_filter_row(k, r, prev) for k in range(5)),
                       key=lambda f: sum(v if v < 128 else 256 - v for v in f[1:]))
        choices = [lambda r, p, k=k: _filter_row(k, r, p) for k in range(5)] + [least]
        data = min((zlib.compress(_filtered_data(rows, width, c), 9) for c in choices), key=len)
    else:
        data = zlib.compress(b"".join(b"\x00" + bytes(r) for r in rows), 9)

    def chunk(kind, body):
        body = kind + body
        return struct.pack(">I", len(body) - 4) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def encode_ico(images):
    """An ICO file from (size, PNG bytes) pairs, each entry 32 bits per pixel."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, data in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        blobs += data
    return header + entries + blobs
