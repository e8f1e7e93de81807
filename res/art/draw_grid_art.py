#!/usr/bin/env python3
"""Draws the pictures of the data grid and of the configuration window into res/*.ico: the grid's
check boxes and memo pages, the navigator's buttons, and the glyphs of the search and look buttons.

Each picture comes in its size at 96 dpi and at the sizes the grid scales it to at 120, 144 and
192 dpi (13 pixels at 96 dpi are 16, 20 and 26 there), so that every density finds an exact size.

    python3 res/art/draw_grid_art.py                  # writes every picture
    python3 res/art/draw_grid_art.py Grid2Checked     # writes only these
"""
import os
import sys

sys.dont_write_bytecode = True
from raster import Canvas, bar, box, circle, encode_ico, linear, outline, polygon, union  # noqa: E402
from draw_art import (BLUE_DARK, BLUE_EDGE, BLUE_LIGHT, GREEN, GREEN_EDGE, GREEN_LIGHT, RED, RED_DARK,  # noqa: E402
                      RED_LIGHT, WHITE, px)

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

DARK = (28, 28, 28)
FRAME = (64, 64, 64)
PAPER_EDGE = (120, 120, 120)
PAPER_LINE = (120, 140, 180)
ARROW = (40, 64, 120)
ARROW_LIGHT = (96, 132, 200)
PEN = (40, 90, 190)
PEN_WOOD = (236, 200, 140)


def grid_sizes(base):
    """The sizes the grid asks for at 96, 120, 144 and 192 dpi: halves rounded away from zero."""
    return [int(base * d / 96.0 + 0.5) for d in (96, 120, 144, 192)]


# --- the grid's check boxes and memo pages --------------------------------------------------------

def check_box(n, ticked):
    s = n / 13.0
    img = Canvas(n)
    edge = max(1, px(s))
    img.fill(box(0, 0, n, n), FRAME)
    img.fill(box(edge, edge, n - edge, n - edge), WHITE)
    if ticked:
        w = max(1.5, 1.9 * s)
        tick = union(bar(3.0 * s, 6.2 * s, 5.4 * s, 8.8 * s, w, round_ends=True),
                     bar(5.4 * s, 8.8 * s, 10.0 * s, 3.8 * s, w, round_ends=True))
        img.fill(tick, DARK)
    return img


def draw_checked(n):
    return check_box(n, True)


def draw_unchecked(n):
    return check_box(n, False)


def memo_page(n, lines):
    s = n / 16.0
    img = Canvas(n)
    x0, x1 = px(2 * s), n - px(2 * s)
    page = box(x0, 0, x1, n)
    img.fill(page, WHITE)
    img.fill(outline(page, max(1.0, s)), PAPER_EDGE)
    if lines:
        for k in range(5):
            y = px((3.5 + 2.4 * k) * s)
            img.fill(box(x0 + px(2 * s), y, x1 - px(2 * s) - (px(3 * s) if k == 4 else 0), y + max(1, px(s))),
                     PAPER_LINE)
    return img


def draw_memo(n):
    return memo_page(n, True)


def draw_memo_empty(n):
    return memo_page(n, False)


# --- the navigator ------------------------------------------------------------------------------

def triangle(s, tip_x, half, pointing_left):
    c = 8.0 * s
    if pointing_left:
        back = tip_x + half * 1.4
        return polygon([(tip_x, c), (back, c - half), (back, c + half)])
    back = tip_x - half * 1.4
    # The same winding as the left one, so that the inside stays inside.
    return polygon([(tip_x, c), (back, c + half), (back, c - half)])


def nav(n, shapes):
    img = Canvas(n)
    shape = union(*shapes)
    img.fill(shape, linear(0, 3 * n / 16.0, ARROW_LIGHT, 0, 13 * n / 16.0, ARROW))
    return img


def draw_first(n):
    s = n / 16.0
    return nav(n, [box(px(3 * s), px(3.5 * s), px(5 * s), n - px(3.5 * s)), triangle(s, 5.5 * s, 4.5 * s, True)])


def draw_prior(n):
    s = n / 16.0
    return nav(n, [triangle(s, 4.8 * s, 4.5 * s, True)])


def draw_next(n):
    s = n / 16.0
    return nav(n, [triangle(s, 11.2 * s, 4.5 * s, False)])


def draw_last(n):
    s = n / 16.0
    return nav(n, [box(n - px(5 * s), px(3.5 * s), n - px(3 * s), n - px(3.5 * s)),
                   triangle(s, 10.5 * s, 4.5 * s, False)])


def draw_insert(n):
    s = n / 16.0
    c, arm, t = n / 2.0, 5.0 * s, 2.4 * s
    shape = union(box(c - arm, c - t / 2, c + arm, c + t / 2), box(c - t / 2, c - arm, c + t / 2, c + arm))
    img = Canvas(n)
    img.fill(shape, linear(0, c - arm, GREEN_LIGHT, 0, c + arm, GREEN))
    img.fill(outline(shape, max(1.0, 0.6 * s)), GREEN_EDGE, 0.8)
    return img


def draw_delete(n):
    s = n / 16.0
    c, arm, t = n / 2.0, 5.0 * s, 2.4 * s
    shape = box(c - arm, c - t / 2, c + arm, c + t / 2)
    img = Canvas(n)
    img.fill(shape, linear(0, c - t, RED_LIGHT, 0, c + t, RED))
    img.fill(outline(shape, max(1.0, 0.6 * s)), RED_DARK, 0.8)
    return img


def draw_edit(n):
    """A pencil leaning to the right, its tip at the lower left."""
    s = n / 16.0
    img = Canvas(n)
    tip = (3.0 * s, 13.0 * s)
    end = (13.0 * s, 3.0 * s)
    w = 3.4 * s
    img.fill(bar(tip[0] + 2.2 * s, tip[1] - 2.2 * s, end[0], end[1], w, round_ends=True), PEN)
    img.fill(bar(tip[0] + 0.6 * s, tip[1] - 0.6 * s, tip[0] + 2.6 * s, tip[1] - 2.6 * s, w * 0.9), PEN_WOOD)
    img.fill(circle(tip[0] + 0.7 * s, tip[1] - 0.7 * s, 0.9 * s), DARK)
    return img


# --- search and look ------------------------------------------------------------------------------

def draw_clear(n):
    """A small grey eraser of the search text: a cross in a circle."""
    s = n / 16.0
    c = n / 2.0
    img = Canvas(n)
    disc = circle(c, c, 6.2 * s)
    img.fill(disc, linear(0, 2 * s, RED_LIGHT, 0, 14 * s, RED_DARK))
    r, w = 2.8 * s, 1.8 * s
    img.fill(union(bar(c - r, c - r, c + r, c + r, w), bar(c - r, c + r, c + r, c - r, w)), WHITE)
    return img


def draw_colour(n):
    """Three overlapping colour swatches."""
    s = n / 16.0
    img = Canvas(n)
    for (x, y, colour) in ((1.5, 1.5, RED), (5.5, 4.5, GREEN), (9.5, 7.5, BLUE_LIGHT)):
        sq = box(x * s, y * s, (x + 5.5) * s, (y + 7) * s, radius=0.8 * s)
        img.fill(sq, colour)
        img.fill(outline(sq, max(1.0, 0.6 * s)), DARK, 0.6)
    return img


def draw_font(n):
    """A capital A over a blue underline."""
    s = n / 16.0
    img = Canvas(n)
    w = 2.2 * s
    top, foot = 1.8 * s, 11.8 * s
    a = union(bar(8.0 * s, top, 3.2 * s, foot, w), bar(8.0 * s, top, 12.8 * s, foot, w),
              box(5.2 * s, 7.6 * s, 10.8 * s, 9.4 * s))
    img.fill(a, DARK)
    img.fill(box(2 * s, 13 * s, 14 * s, 15 * s), linear(0, 0, BLUE_LIGHT, n, 0, BLUE_DARK))
    img.fill(outline(box(2 * s, 13 * s, 14 * s, 15 * s), max(1.0, 0.5 * s)), BLUE_EDGE, 0.5)
    return img


PICTURES = [
    ("Grid2Checked", draw_checked, grid_sizes(13)),
    ("Grid2Unchecked", draw_unchecked, grid_sizes(13)),
    ("Grid2Memo", draw_memo, grid_sizes(16)),
    ("Grid2MemoVazio", draw_memo_empty, grid_sizes(16)),
    ("NavPrimeiro", draw_first, grid_sizes(16)),
    ("NavAnterior", draw_prior, grid_sizes(16)),
    ("NavProximo", draw_next, grid_sizes(16)),
    ("NavUltimo", draw_last, grid_sizes(16)),
    ("NavIncluir", draw_insert, grid_sizes(16)),
    ("NavExcluir", draw_delete, grid_sizes(16)),
    ("NavAlterar", draw_edit, grid_sizes(16)),
    ("BtnLimpar", draw_clear, grid_sizes(16)),
    ("BtnCor", draw_colour, grid_sizes(16)),
    ("BtnFonte", draw_font, grid_sizes(16)),
]


def main():
    wanted = set(sys.argv[1:])
    for name, draw, sizes in PICTURES:
        if wanted and name not in wanted:
            continue
        path = os.path.join(RES, name + ".ico")
        with open(path, "wb") as f:
            f.write(encode_ico([(n, draw(n).png()) for n in sizes]))
        print("%s: %s (%d bytes)" % (os.path.normpath(path), ", ".join(map(str, sizes)), os.path.getsize(path)))


if __name__ == "__main__":
    main()
