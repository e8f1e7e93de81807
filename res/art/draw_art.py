#!/usr/bin/env python3
"""Draws the bar's small pictures into res/*.ico (PNG entries, 32-bit alpha).

Each picture comes in its size at 96 dpi and at 125 %, 150 % and 200 % of it, so that the bar finds
an exact size at 96, 120, 144 and 192 dpi. Shapes are laid out on whole pixels at every size (the
helpers below round each measure), so straight edges stay sharp even at 16 pixels.

    python3 res/art/draw_art.py            # writes every picture
    python3 res/art/draw_art.py Logo Bars  # writes only these

Pure Python: run it again after changing a drawing, and commit the .ico files it writes.
"""
import math
import os
import sys

sys.dont_write_bytecode = True
from raster import (Canvas, bar, box, circle, diamond, ellipse, encode_ico, inset,  # noqa: E402
                    intersect, linear, outline, polygon, radial, subtract, union)

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def scales(base):
    return [base, base * 5 // 4, base * 3 // 2, base * 2]


def px(v):
    """A measure rounded to whole pixels, halves upward."""
    return int(math.floor(v + 0.5))


def even(v):
    """A measure rounded to an even number of pixels (at least 2), to centre it on an even size."""
    return max(2, 2 * px(v / 2.0))


def centred(size, length):
    """The start of a run of length pixels centred in size pixels (the extra pixel goes after)."""
    return (size - length) // 2


# --- colours ------------------------------------------------------------------------------------

GOLD_LIGHT = (255, 214, 92)
GOLD_DARK = (176, 112, 14)
GOLD_EDGE = (122, 74, 6)
INK = (58, 38, 8)

WHITE = (255, 255, 255)

RED_DARK = (156, 22, 22)

BLUE_LIGHT = (104, 176, 250)
BLUE_DARK = (14, 64, 156)
BLUE_EDGE = (10, 50, 128)

GREEN_LIGHT = (128, 210, 92)
GREEN = (52, 160, 44)
GREEN_EDGE = (26, 104, 24)

RED_LIGHT = (246, 98, 80)
RED = (214, 36, 30)


# --- the title logo: a golden cog with a bold P -----------------------------------------------------

def cog(teeth, r_root, r_tip, base_w, tip_w, c):
    """A cog wheel centred at (c, c), the first tooth pointing up."""
    parts = [circle(c, c, r_root)]
    for k in range(teeth):
        a = 2 * math.pi * k / teeth - math.pi / 2
        ux, uy = math.cos(a), math.sin(a)
        vx, vy = -uy, ux
        # The sides meet the rim exactly on it, and the root reaches well inside the wheel.
        r_side = math.sqrt(r_root * r_root - base_w * base_w / 4)
        r_in = r_root - 4.0 * (r_tip - r_root)
        corners = [(r_in, -base_w / 2), (r_side, -base_w / 2), (r_tip, -tip_w / 2),
                   (r_tip, tip_w / 2), (r_side, base_w / 2), (r_in, base_w / 2)]
        pts = [(c + ux * r + vx * w, c + uy * r + vy * w) for r, w in corners]
        parts.append(polygon(pts))
    return union(*parts)


def letter_p(n, s):
    """A bold P centred in the square, its straight strokes on whole pixels."""
    stem = px(3.5 * s)
    bar_h = px(2.9 * s)
    counter_h = px(3.4 * s)
    bowl = counter_h + 2 * bar_h
    height = px(14 * s)
    width = px(11 * s)
    x0 = centred(n, width)
    y0 = centred(n, height)
    right = x0 + width
    outer = union(box(x0, y0, right, y0 + bowl, radius=bowl / 2.0), box(x0, y0, x0 + width / 2.0, y0 + bowl))
    cx1 = right - stem
    counter = union(box(x0 + stem, y0 + bar_h, cx1, y0 + bar_h + counter_h, radius=counter_h / 2.0),
                    box(x0 + stem, y0 + bar_h, (x0 + stem + cx1) / 2.0, y0 + bar_h + counter_h))
    return union(subtract(outer, counter), box(x0, y0, x0 + stem, y0 + height))


def draw_logo(n):
    s = n / 32.0
    c = n / 2.0
    shape = cog(8, 11.6 * s, c - px(s), 6.0 * s, 4.0 * s, c)
    img = Canvas(n)
    img.fill(shape, linear(0, 0, GOLD_LIGHT, n, n, GOLD_DARK))
    img.fill(outline(shape, max(1.0, 0.8 * s)), GOLD_EDGE, 0.7)
    img.fill(letter_p(n, s), INK)
    return img


# --- three bars: the configuration button and its menu item -------------------------------------------

def three_bars(n, base, margin, thick, gap, colour):
    """Three horizontal bars, their edges on whole pixels, drawn for base pixels and scaled to n."""
    s = n / float(base)
    t, g = px(thick * s), int(gap * s)
    x0 = px(margin * s)
    top = centred(n, 3 * t + 2 * g)
    img = Canvas(n)
    for k in range(3):
        y = top + k * (t + g)
        img.fill(box(x0, y, n - x0, y + t, radius=min(0.5 * s, t / 2.0)), colour)
    return img


def draw_bars(n):
    return three_bars(n, 24, 4, 2, 3, WHITE)


def draw_menu_config(n):
    return three_bars(n, 16, 2, 2, 3, RED_DARK)


def draw_menu_config_dark(n):
    """The same bars in a light red, for the menu's dark mode, where the dark red sinks into the gutter."""
    return three_bars(n, 16, 2, 2, 3, RED_LIGHT)


# --- menu pictures --------------------------------------------------------------------------------

def plus(n, arm, thick):
    """A plus centred in the square: arm is its total span, thick its stroke, both whole pixels."""
    a0 = centred(n, arm)
    t0 = centred(n, thick)
    return union(box(a0, t0, a0 + arm, t0 + thick), box(t0, a0, t0 + thick, a0 + arm))


def draw_menu_shortcuts(n):
    s = n / 16.0
    c = n / 2.0
    shape = diamond(c, c, c - 0.3 * s)
    img = Canvas(n)
    img.fill(shape, linear(0, 0, BLUE_LIGHT, 0, n, BLUE_DARK))
    img.fill(outline(shape, max(1.0, 0.8 * s)), BLUE_EDGE, 0.8)
    img.fill(plus(n, even(8 * s), even(2 * s)), WHITE)
    return img


def draw_menu_add(n):
    s = n / 16.0
    arm, thick = even(12 * s), even(4 * s)
    shape = plus(n, arm, thick)
    img = Canvas(n)
    img.fill(shape, linear(0, centred(n, arm), GREEN_LIGHT, 0, centred(n, arm) + arm, GREEN))
    img.fill(outline(shape, max(1, px(0.75 * s))), GREEN_EDGE)
    return img


def draw_menu_about(n):
    s = n / 16.0
    c = n / 2.0
    disc = circle(c, c, c - 0.5 * s)
    img = Canvas(n)
    img.fill(disc, radial(c - 0.35 * n, c - 0.4 * n, 1.15 * n, BLUE_LIGHT, BLUE_DARK))
    img.fill(outline(disc, max(1.0, 0.8 * s)), BLUE_EDGE, 0.8)
    w = even(2 * s)
    x0 = centred(n, w)
    dot_top = px(3 * s)
    stem_top = dot_top + w + px(s)
    stem_bottom = n - px(3 * s)
    img.fill(box(x0, dot_top, x0 + w, dot_top + w, radius=0.35 * w), WHITE)
    img.fill(box(x0, stem_top, x0 + w, stem_bottom, radius=0.15 * w), WHITE)
    return img


def red_cross(n, reach, half):
    """A red X centred in the square, reach pixels across, its arms clipped square at the ends.

    The arms run at exactly 45 degrees through the centre, a pixel corner, and cover the points with
    |x - y| <= half or |x + y| <= half (x and y from the centre, half a whole number): their edges
    pass through pixel corners, so each row of an arm is whole pixels with one half pixel at each
    side, a clean staircase rather than a blur.
    """
    c = n / 2.0
    k = 1.0 / math.sqrt(2.0)
    a = bar(0, 0, n, n, 2 * half * k)
    b = bar(0, n, n, 0, 2 * half * k)
    r = reach / 2.0
    shape = intersect(union(a, b), box(c - r, c - r, c + r, c + r))
    img = Canvas(n)
    img.fill(shape, linear(0, c - r, RED_LIGHT, 0, c + r, RED))
    return img


def draw_menu_quit(n):
    s = n / 16.0
    return red_cross(n, even(10 * s), int(2 * s))


def draw_menu_open(n):
    """A green arrow pointing right: what a click does, start the shortcut."""
    s = n / 16.0
    c = n / 2.0
    h = 5.5 * s
    shape = polygon([(c - 0.55 * h, c - h), (c + 1.1 * h, c), (c - 0.55 * h, c + h)])
    img = Canvas(n)
    img.fill(shape, linear(0, c - h, GREEN_LIGHT, 0, c + h, GREEN))
    img.fill(outline(shape, max(1.0, 0.75 * s)), GREEN_EDGE)
    return img


def draw_menu_admin(n):
    """A shield in four quarters, blue and gold: the system asks before the program runs."""
    s = n / 16.0
    c = n / 2.0
    top, bottom, half = 1.5 * s, n - 1.0 * s, 6.0 * s
    shape = polygon([(c - half, top + 1.5 * s), (c, top), (c + half, top + 1.5 * s), (c + half, c + 0.5 * s),
                     (c, bottom), (c - half, c + 0.5 * s)])
    img = Canvas(n)
    img.fill(shape, linear(0, top, BLUE_LIGHT, 0, bottom, BLUE_DARK))
    mid = px(c + 0.5 * s)
    gold = union(box(0, 0, px(c), mid), box(px(c), mid, n, n))
    img.fill(intersect(shape, gold), linear(0, top, GOLD_LIGHT, 0, bottom, GOLD_DARK))
    img.fill(outline(shape, max(1.0, 0.75 * s)), BLUE_EDGE)
    return img


def draw_menu_copy(n):
    """Two sheets, one over the other."""
    s = n / 16.0
    w, h, step = px(8 * s), px(10 * s), px(3 * s)
    x0, y0 = centred(n, w + step), centred(n, h + step)
    img = Canvas(n)
    for dx in (0, step):
        sheet = box(x0 + dx, y0 + dx, x0 + dx + w, y0 + dx + h)
        img.fill(sheet, WHITE)
        img.fill(outline(sheet, max(1, px(s))), (96, 104, 120))
    line = max(1, px(s))
    for i in range(3):
        y = y0 + step + px(3 * s) + i * px(2 * s)
        img.fill(box(x0 + step + px(2 * s), y, x0 + step + w - px(2 * s), y + line), (150, 160, 176))
    return img


# The waste bin's greys: its body's gradient, its outline and its grooves. On the dark menu the bin is
# drawn light, with a light outline, so that it stands out of the dark gutter as the light one does of the
# light menu.
BIN_LIGHT = ((196, 204, 216), (120, 130, 146), (70, 78, 92), (70, 78, 92))
BIN_DARK = ((236, 240, 246), (172, 180, 194), (222, 227, 235), (88, 96, 112))


def draw_menu_delete(n, greys=BIN_LIGHT):
    """A waste bin: its lid with a handle, and a body narrowing to the bottom with three grooves."""
    s = n / 16.0
    c = n / 2.0
    grey_light, grey_dark, edge, groove_colour = greys
    lid_w, lid_h = even(12 * s), max(2, px(2 * s))
    lid_y = px(3 * s)
    lid = union(box(centred(n, lid_w), lid_y, centred(n, lid_w) + lid_w, lid_y + lid_h, radius=0.4 * s),
                box(centred(n, even(4 * s)), lid_y - max(1, px(s)), centred(n, even(4 * s)) + even(4 * s), lid_y + 1))
    top, bottom = lid_y + lid_h + max(1, px(0.5 * s)), n - px(1.5 * s)
    half_top, half_bottom = 4.5 * s, 3.5 * s
    body = polygon([(c - half_top, top), (c + half_top, top), (c + half_bottom, bottom), (c - half_bottom, bottom)])
    img = Canvas(n)
    img.fill(body, linear(0, top, grey_light, 0, bottom, grey_dark))
    img.fill(outline(body, max(1.0, 0.75 * s)), edge)
    groove = max(1, px(0.75 * s))
    for dx in (-2 * s, 0, 2 * s):
        x = px(c + dx - groove / 2.0)
        img.fill(box(x, top + px(2 * s), x + groove, bottom - px(2 * s)), groove_colour, 0.7)
    img.fill(lid, linear(0, lid_y, grey_light, 0, lid_y + lid_h, grey_dark))
    img.fill(outline(lid, max(1.0, 0.6 * s)), edge)
    return img


def draw_menu_delete_dark(n):
    return draw_menu_delete(n, BIN_DARK)


# --- fallback pictures of the bar buttons ----------------------------------------------------------

def draw_globe(n):
    s = n / 32.0
    line = max(1, int(s + 0.25))
    # An odd line width runs along a pixel's middle, so the globe is centred on one.
    c = n / 2.0 - (0.5 if line % 2 else 0.0)
    r = c - 1.0 * s
    disc = circle(c, c, r)
    img = Canvas(n)
    img.fill(disc, radial(c - 0.35 * r, c - 0.45 * r, 1.6 * r, BLUE_LIGHT, BLUE_DARK))
    inner = inset(disc, 0.5 * s)
    grid = []
    grid.append(box(c - line / 2.0, 0, c + line / 2.0, n))
    grid.append(box(0, c - line / 2.0, n, c + line / 2.0))
    for dy in (-0.5 * r, 0.5 * r):
        y = px(c + dy - line / 2.0)
        grid.append(box(0, y, n, y + line))
    grid.append(outline(inset(ellipse(c, c, 0.5 * r, r), -line / 2.0), line))
    img.fill(intersect(union(*grid), inner), (255, 255, 255, 0.62))
    img.fill(outline(disc, max(1.0, 0.8 * s)), BLUE_EDGE, 0.85)
    # A soft light on the upper left.
    hx, hy, hr = c - 0.38 * r, c - 0.45 * r, 0.62 * r

    def light(x, y):
        t = max(0.0, 1.0 - math.hypot(x - hx, (y - hy) * 1.4) / hr)
        return (255, 255, 255, 0.45 * t * t)
    img.fill(inner, light)
    return img


def draw_missing(n):
    s = n / 32.0
    return red_cross(n, even(14 * s), px(3 * s))


PICTURES = [
    ("Logo", draw_logo, scales(32)),
    ("Bars", draw_bars, scales(24)),
    ("MenuConfig", draw_menu_config, scales(16)),
    ("MenuConfigEscuro", draw_menu_config_dark, scales(16)),
    ("MenuAtalhos", draw_menu_shortcuts, scales(16)),
    ("MenuIncluir", draw_menu_add, scales(16)),
    ("MenuSobre", draw_menu_about, scales(16)),
    ("MenuFinalizar", draw_menu_quit, scales(16)),
    ("MenuAbrir", draw_menu_open, scales(16)),
    ("MenuAdministrador", draw_menu_admin, scales(16)),
    ("MenuCopiar", draw_menu_copy, scales(16)),
    ("MenuExcluir", draw_menu_delete, scales(16)),
    ("MenuExcluirEscuro", draw_menu_delete_dark, scales(16)),
    ("WebBrowser", draw_globe, scales(32)),
    ("RedCross", draw_missing, scales(32)),
]


def write_pictures(pictures, wanted):
    """Writes each (name, draw, sizes) picture as res/<name>.ico; only those named, when any are."""
    for name, draw, sizes in pictures:
        if wanted and name not in wanted:
            continue
        path = os.path.join(RES, name + ".ico")
        with open(path, "wb") as f:
            f.write(encode_ico([(n, draw(n).png()) for n in sizes]))
        print("%s: %s (%d bytes)" % (os.path.normpath(path), ", ".join(map(str, sizes)), os.path.getsize(path)))


def main():
    write_pictures(PICTURES, set(sys.argv[1:]))


if __name__ == "__main__":
    main()
